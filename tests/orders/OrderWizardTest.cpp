// The order wizard loaded from its stored definitions and driven with real messages: what each
// page shows, where "Next" sends the buyer, and what survives "Previous".
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/Program.h"
#include "generator/GeneratorWindows.h"
#include "orders/WizardWindows.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatGroupBox.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "generator/Unit1.h"
#include "labels/ProUrl.h"
#include "labels/TProUrlImage.h"
#include "labels/TProUrlLabel.h"
#include "orders/pur1.h"
#include "orders/pur2.h"
#include "orders/pur3.h"
#include "orders/pur4.h"
#include "orders/pur5.h"
#include "orders/pur6.h"
#include "tests/support/WindowTest.h"

namespace {

const char kCounter[] = "https://www.skylatch.example/cgi-bin/clickcount.cgi?url=";
const char kSecureInfo[] =
    "http://www.paylynx-info.example/secure%20purchasing%20environment%20&%20safe%20shopping.shtml";

class OrderWizard : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    app::CreateForms(*ui::Application);
    Form1->Show();
    Pump();
    Click(*Form1->FlatButton3);  // "Full version"
    ASSERT_TRUE(Main->Visible());
  }

  // A pick by the user: the list's selection moves and the window hears of the change.
  static void Pick(TFlatComboBox& combo, int position) {
    SendMessageA(combo.Handle(), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageA(GetParent(combo.Handle()), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(combo.Handle()), CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.Handle()));
    Pump();
  }

  static TOrderPage* PageOfMethod(int method) {
    TOrderPage* pages[] = {CCOrders, faxorders, mailorders, Phoneorders, POOrders};
    return pages[method];
  }

  static TOrderPage* PageNamed(const std::string& name) {
    for (int method = 0; method < 5; ++method)
      if (PageOfMethod(method)->Name() == name) return PageOfMethod(method);
    return nullptr;
  }

  // Chooser: product and method picked, then "Next".
  TOrderPage* OpenPage(int product, int method) {
    Pick(*Main->product, product);
    Pick(*Main->metodo, method);
    Click(*Main->nextbut);
    TOrderPage* page = PageOfMethod(method);
    EXPECT_TRUE(page->Visible());
    EXPECT_FALSE(Main->Visible());
    return page;
  }

  template <typename T>
  static T* Find(ui::TForm& form, const char* name) {
    auto* found = dynamic_cast<T*>(form.FindComponent(name));
    EXPECT_NE(found, nullptr) << form.Name() << "." << name;
    return found;
  }

  // The colour at a client point of a window as the screen shows it.
  static COLORREF PixelAt(ui::TForm& form, int x, int y) {
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC dc = GetDC(form.Handle());
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(form.Handle(), dc);
    return c;
  }
};

// Columns from the first to the last one holding dark ink, in a 32-bit picture painted by draw.
template <typename Draw>
int InkWidth(int width, int height, Draw draw) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  draw(dc);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  int first = -1, last = -1;
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y) {
      std::uint32_t p = pixels[y * width + x];
      if (((p >> 16) & 0xFF) < 96 && ((p >> 8) & 0xFF) < 96 && (p & 0xFF) < 96) {
        if (first < 0) first = x;
        last = x;
        break;
      }
    }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return first < 0 ? 0 : last - first + 1;
}

SIZE Extent(const ui::TLabel& label, int weight) {
  HFONT font = CreateFontA(label.Font().Height(), 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                           label.Font().Name().c_str());
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  SIZE size{};
  GetTextExtentPoint32A(screen, label.Caption().c_str(), static_cast<int>(label.Caption().size()), &size);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return size;
}

// A label stored bold gets a bold font handle and measures its caption with it (an auto-sized
// label is as wide as the bold text, not the regular one).
void ExpectBoldFont(const ui::TLabel& label) {
  SCOPED_TRACE(label.Owner()->Name() + "." + label.Name() + " \"" + label.Caption() + "\"");
  EXPECT_TRUE(label.Font().Style() & ui::fsBold);
  LOGFONTA made{};
  ASSERT_TRUE(GetObjectA(label.Font().Handle(), sizeof made, &made));
  EXPECT_EQ(made.lfWeight, FW_BOLD);
  EXPECT_STREQ(made.lfFaceName, "Tahoma");
  if (label.AutoSize()) {
    EXPECT_EQ(label.Width(), Extent(label, FW_BOLD).cx);
    EXPECT_GT(label.Width(), Extent(label, FW_NORMAL).cx);
  }
}

// The caption as painted has the ink of bold text: wider than the same text at regular weight.
// (Only at sizes where Wine draws Tahoma Bold from outlines: its bold file carries the regular
// glyphs as embedded bitmaps at 13 and 16 pixels, so there even a bold handle draws regular.)
void ExpectDrawnBold(ui::TLabel& label) {
  SCOPED_TRACE(label.Owner()->Name() + "." + label.Name() + " \"" + label.Caption() + "\"");
  const int width = 600, height = 60;
  int painted = InkWidth(width, height, [&label](HDC dc) {
    IntersectClipRect(dc, 0, 0, label.Width(), label.Height());
    label.PaintTo(dc);
  });
  int regular = InkWidth(width, height, [&label](HDC dc) {
    HFONT font = CreateFontA(label.Font().Height(), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                             label.Font().Name().c_str());
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    RECT r{0, 0, width, height};
    DrawTextA(dc, label.Caption().c_str(), -1, &r, DT_LEFT | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
  });
  EXPECT_GT(regular, 0);
  EXPECT_GT(painted * 100, regular * 106) << "painted " << painted << ", regular " << regular;
}

struct StepLabel {
  const char* page;
  const char* name;
  int left, top, width, height;  // width and height -1: auto-sized
  const char* text;
};

const StepLabel kStepLabels[] = {
    {"faxorders", "Label2", 5, 32, 375, 13,
         "1-Click 'next' to go online and fill our form, excluding your credit card information."},
    {"faxorders", "Label3", 5, 48, -1, -1,
         "2-Review your order and finalize it by clicking 'Submit' on the last page."},
    {"faxorders", "Label4", 5, 64, 375, 41,
         "3-We will provide you a pre-formatted fax page. Print that page, fill out the remaining "
         "information, specifically your credit card details, and fax it to the number provided "
         "(Toll Free in the US)."},
    {"faxorders", "Label5", 5, 104, 375, 33,
         "4-Once your order is processed you'll get a link to download the full version of the "
         "software,you can also purchase it on cd."},
    {"mailorders", "Label2", 5, 40, 375, 13,
         "1-Click 'next' to go online and fill our form, excluding your payment information."},
    {"mailorders", "Label3", 5, 56, -1, -1,
         "2-Review your order and finalize it by clicking 'Submit' on the last page."},
    {"mailorders", "Label4", 5, 72, 375, 33,
         "3-We will provide you a pre-formatted mail order page. Print that page, fill out the "
         "applicable payment information, and mail it to the address provided. "},
    {"mailorders", "Label5", 5, 101, 375, 33,
         "4-Once we receive your payment by mail you'll get a link to download the full version of "
         "the software,you can also get it on a cd shipped to you."},
    {"Phoneorders", "Label2", 5, 32, 375, 13,
         "1-Click 'next' to go online and fill our form, excluding your credit card information."},
    {"Phoneorders", "Label3", 5, 44, -1, -1,
         "2-Review your order and finalize it by clicking 'Submit' on the last page."},
    {"Phoneorders", "Label4", 5, 56, 375, 41,
         "3-We will provide you with an Order Reference Number as well as a phone number (Toll Free "
         "in the US) to call."},
    {"Phoneorders", "Label5", 5, 80, 375, 33,
         "4-Provide your credit card information to our operators over the phone and your order "
         "will be processed within minutes."},
    {"Phoneorders", "Label6", 5, 104, 375, 33,
         "5-You will receive a link to download the full version, also you can choose to get it on "
         "a cd shipped to you.'"},
    {"POOrders", "Label2", 5, 32, 308, 35,
         "1-Click 'next' to go online and fill our form, including your company's Purchase Order "
         "number if applicable. "},
    {"POOrders", "Label3", 5, 64, 308, 57,
         "2-Paylynx will accept your order and provide you with a link to a formal invoice, along "
         "with payment instructions.  This will be provided on-screen as well as by email.  Please "
         "print the invoice and submit it to your company's Accounts Payable for payment"},
    {"POOrders", "Label4", 5, 116, 308, 53,
         "3-When Paylynx receives payment, we will send the registration details by email.  Please "
         "be sure to include the email address of either your Accounts Payable department or the "
         "end user to ensure delivery. "},
};

TEST_F(OrderWizard, NextHandsEachOfTheFifteenAddressesToTheShellWithThePageAsParent) {
  const std::string form = "https://order.paylynx.example/purchase.php3?productid=";
  const std::string page = "https://order.paylynx.example/paylynx/vieworderpage.php3?productid=";
  const std::string expected[3][5] = {
      {kCounter + form + "10421", kCounter + page + "10421&ordertypeid=3", kCounter + page + "10421&ordertypeid=4",
       kCounter + page + "10421&ordertypeid=6", kCounter + page + "10421&ordertypeid=5"},
      {kCounter + form + "10422", kCounter + page + "10422&ordertypeid=3", kCounter + page + "10422&ordertypeid=4",
       kCounter + page + "10422&ordertypeid=6", kCounter + page + "10422&ordertypeid=5"},
      {kCounter + form + "10423", kCounter + page + "10423&ordertypeid=3", kCounter + page + "10423&ordertypeid=4",
       kCounter + page + "10423&ordertypeid=6", kCounter + page + "10423&ordertypeid=5"},
  };
  for (int product = 0; product < 3; ++product) {
    for (int method = 0; method < 5; ++method) {
      SCOPED_TRACE("product " + std::to_string(product) + ", method " + std::to_string(method));
      TOrderPage* shown = OpenPage(product, method);
      platform.shellCalls.clear();
      Click(*shown->nextbut);
      Click(*shown->nextbut);  // again: the same address, the page stays
      ASSERT_EQ(platform.shellCalls.size(), 2u);
      for (const auto& call : platform.shellCalls) {
        EXPECT_EQ(call.file, expected[product][method]);
        EXPECT_EQ(call.owner, shown->Handle());
        EXPECT_EQ(call.verb, "open");
        EXPECT_EQ(call.parameters, "");
        EXPECT_EQ(call.directory, "");
        EXPECT_EQ(call.show, SW_SHOWNORMAL);
      }
      EXPECT_TRUE(shown->Visible());
      EXPECT_FALSE(Form1->Enabled());
      Click(*shown->backbut);
    }
  }
}

TEST_F(OrderWizard, TheTitleAndEveryHeadingAreBold) {
  ExpectBoldFont(*Main->Label2);
  ExpectDrawnBold(*Main->Label2);
  Pick(*Main->product, 2);
  ExpectBoldFont(*Main->Label2);
  ExpectDrawnBold(*Main->Label2);
  for (int method = 0; method < 5; ++method) {
    TOrderPage* page = OpenPage(0, method);
    ExpectBoldFont(*page->Label1);
    EXPECT_EQ(page->Label1->Height(), 16);
    Click(*page->backbut);
  }
}

TEST_F(OrderWizard, HeadingsUseTheShortNameAndThePagesSuffix) {
  const char* names[] = {"Skylatch!", "Duskvane!", "AG Tuner!"};
  const char* suffixes[] = {" by Credit Card", " by FAX", " by Postal Mail", " by Phone", " by Purchase Order"};
  for (int product = 0; product < 3; ++product) {
    for (int method = 0; method < 5; ++method) {
      TOrderPage* shown = OpenPage(product, method);
      EXPECT_EQ(shown->Label1->Caption(), std::string("Purchase ") + names[product] + suffixes[method]);
      Click(*shown->backbut);
    }
  }
  EXPECT_EQ(faxorders->Caption(), "Purchase Software by Fax");
}

TEST_F(OrderWizard, TheCreditCardTextQuotesTheLongNameOfTheTitle) {
  TOrderPage* shown = OpenPage(2, 0);
  EXPECT_EQ(shown->Label1->Caption(), "Purchase AG Tuner! by Credit Card");
  EXPECT_EQ(shown->info->Caption(),
            "To purchase by credit card click 'next' to go online and fill our form at Paylynx's secure site,once "
            "your transaction is accepted Paylynx will charge your credit card and you will receive a link to "
            "download Ambergate Tuner! full version,also you can choose to get it on a cd shipped to you.");
  Click(*shown->backbut);
  shown = OpenPage(1, 0);
  EXPECT_NE(shown->info->Caption().find("download Duskvane! full version,also"), std::string::npos);
}

TEST_F(OrderWizard, AProductPickMovesAndResizesTheTitleAndBack) {
  EXPECT_EQ(Main->Label2->Top(), 8);
  EXPECT_EQ(Main->Label2->Font().Height(), -37);
  Pick(*Main->product, 2);
  EXPECT_EQ(Main->Label2->Caption(), "Ambergate Tuner!");
  EXPECT_EQ(Main->Label2->Top(), 0);
  EXPECT_EQ(Main->Label2->Font().Size(), 18);
  EXPECT_EQ(Main->Label2->Font().Height(), -24);
  Pick(*Main->product, 1);
  EXPECT_EQ(Main->Label2->Caption(), "Duskvane!");
  EXPECT_EQ(Main->Label2->Top(), 8);
  EXPECT_EQ(Main->Label2->Font().Height(), -37);
  EXPECT_TRUE(Main->Label2->Font().Style() & ui::fsBold);
  EXPECT_EQ(Main->Label2->Font().Name(), "Tahoma");
}

TEST_F(OrderWizard, PreviousBringsBackTheChooserWithEverySelection) {
  Pick(*Main->product, 2);
  Pick(*Main->metodo, 3);
  const std::string info = Main->info->Caption();
  EXPECT_EQ(info, "Customers placing orders may call our toll-free order line and speak with one of our "
                  "knowledgeable representatives.");
  Click(*Main->nextbut);
  ASSERT_TRUE(Phoneorders->Visible());
  Click(*Phoneorders->backbut);
  EXPECT_TRUE(Main->Visible());
  EXPECT_FALSE(Phoneorders->Visible());
  EXPECT_FALSE(Form1->Enabled());
  EXPECT_EQ(Main->product->ItemIndex(), 2);
  EXPECT_EQ(Main->metodo->ItemIndex(), 3);
  EXPECT_EQ(Main->Label2->Caption(), "Ambergate Tuner!");
  EXPECT_EQ(Main->Label2->Top(), 0);
  EXPECT_EQ(Main->info->Caption(), info);
  // A different product after "Previous" shows on the next visit.
  Pick(*Main->product, 0);
  Click(*Main->nextbut);
  EXPECT_EQ(Phoneorders->Label1->Caption(), "Purchase Skylatch! by Phone");
}

TEST_F(OrderWizard, StepLabelsShowTheirTextsByteForByteWhereTheyBelong) {
  for (const StepLabel& step : kStepLabels) {
    SCOPED_TRACE(std::string(step.page) + "." + step.name);
    TOrderPage* page = PageNamed(step.page);
    ASSERT_NE(page, nullptr);
    auto* label = Find<ui::TLabel>(*page, step.name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), step.text);
    EXPECT_EQ(label->Parent(), page->FlatGroupBox1);
    EXPECT_EQ(label->Left(), step.left);
    EXPECT_EQ(label->Top(), step.top);
    EXPECT_EQ(label->Alignment(), ui::TAlignment::taLeftJustify);
    if (step.width >= 0) {
      EXPECT_FALSE(label->AutoSize());
      EXPECT_TRUE(label->WordWrap());
      EXPECT_EQ(label->Width(), step.width);
      EXPECT_EQ(label->Height(), step.height);
    } else {
      // One line as wide as its text.
      EXPECT_TRUE(label->AutoSize());
      EXPECT_FALSE(label->WordWrap());
      HDC screen = GetDC(nullptr);
      HGDIOBJ old = SelectObject(screen, label->Font().Handle());
      SIZE extent{};
      GetTextExtentPoint32A(screen, step.text, static_cast<int>(std::string(step.text).size()), &extent);
      SelectObject(screen, old);
      ReleaseDC(nullptr, screen);
      EXPECT_EQ(label->Width(), extent.cx);
      EXPECT_EQ(label->Height(), extent.cy);
      EXPECT_EQ(label->Height(), 13);
    }
  }
  // The pages' short introductions.
  EXPECT_EQ(faxorders->info->Caption(), "The Fax ordering process is as follows:");
  EXPECT_EQ(mailorders->info->Caption(), "The Mail ordering process is as follows:");
  EXPECT_EQ(Phoneorders->info->Caption(), "The Phone ordering process is as follows:");
  EXPECT_EQ(POOrders->info->Caption(), "The Process is as follows:");
  EXPECT_EQ(POOrders->info->Left(), 40);
  EXPECT_EQ(POOrders->info->Width(), 241);
}

TEST_F(OrderWizard, EveryPageShowsTheStepTwoBadgeAndTheChooserStepOneAndTheLogo) {
  auto expectPicture = [](ui::TImage* image, int left, int top, int width, int height, int pictureWidth,
                          int pictureHeight) {
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Left(), left);
    EXPECT_EQ(image->Top(), top);
    EXPECT_EQ(image->Width(), width);
    EXPECT_EQ(image->Height(), height);
    EXPECT_TRUE(image->Stretch());
    EXPECT_EQ(image->Picture().Width(), pictureWidth);
    EXPECT_EQ(image->Picture().Height(), pictureHeight);
  };
  expectPicture(Find<ui::TImage>(*Main, "Image2"), 0, 8, 113, 33, 120, 45);
  expectPicture(Find<ui::TImage>(*Main, "Image1"), 3, 159, 142, 26, 270, 50);
  // The badge is drawn: blue at its middle, where the window's face would be grey.
  COLORREF badge = PixelAt(*Main, 30, 36);
  EXPECT_GT(GetBValue(badge), GetRValue(badge) + 60) << std::hex << badge;
  for (int method = 0; method < 5; ++method) {
    TOrderPage* page = OpenPage(0, method);
    SCOPED_TRACE(page->Name());
    auto* step2 = Find<ui::TImage>(*page, "Image2");
    expectPicture(step2, 0, 8, 113, 33, 120, 45);
    COLORREF c = PixelAt(*page, 30, 36);
    EXPECT_GT(GetBValue(c), GetRValue(c) + 60) << std::hex << c;
    Click(*page->backbut);
  }
}

TEST_F(OrderWizard, TheSecurePurchaseLinkAndSealOpenTheInformationAddress) {
  for (int method : {0, 4}) {
    TOrderPage* page = OpenPage(1, method);
    SCOPED_TRACE(page->Name());
    auto* link = Find<TProUrlLabel>(*page, "ProUrlLabel1");
    auto* seal = Find<TProUrlImage>(*page, "ProUrlImage1");
    ASSERT_TRUE(link && seal);
    EXPECT_EQ(link->Caption(), "Secure Purchase Guarantee click for more info");
    EXPECT_EQ(link->Left(), 2);
    EXPECT_EQ(link->Top(), 65);
    EXPECT_EQ(link->Width(), 145);
    EXPECT_EQ(link->Height(), 33);
    EXPECT_EQ(link->Alignment(), ui::TAlignment::taCenter);
    EXPECT_TRUE(link->WordWrap());
    EXPECT_FALSE(link->AutoSize());
    EXPECT_EQ(link->Font().Color(), ui::clBlue);
    EXPECT_EQ(link->UnvisitedColor(), ui::clBlue);
    EXPECT_TRUE(link->Font().Style() & ui::fsUnderline);
    EXPECT_EQ(link->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(link->Font().Height(), -11);
    EXPECT_EQ(link->Cursor(), crHandPoint);
    EXPECT_EQ(seal->Left(), 16);
    EXPECT_EQ(seal->Top(), 96);
    EXPECT_EQ(seal->Width(), 129);
    EXPECT_EQ(seal->Height(), 89);
    EXPECT_TRUE(seal->Stretch());
    EXPECT_EQ(seal->Picture().Width(), 150);
    EXPECT_EQ(seal->Picture().Height(), 101);
    EXPECT_EQ(seal->Cursor(), crHandPoint);

    platform.shellCalls.clear();
    Click(*link, 70, 10);
    Click(*seal, 60, 40);
    ASSERT_EQ(platform.shellCalls.size(), 2u);
    for (const auto& call : platform.shellCalls) {
      EXPECT_EQ(call.file, kSecureInfo);
      EXPECT_EQ(call.owner, ui::Application->Handle());
      EXPECT_EQ(call.verb, "open");
      EXPECT_EQ(call.show, SW_SHOW);
    }
    EXPECT_TRUE(page->Visible());
    Click(*page->backbut);
  }
  for (TOrderPage* page : std::vector<TOrderPage*>{faxorders, mailorders, Phoneorders})
    EXPECT_EQ(page->FindComponent("ProUrlLabel1"), nullptr) << page->Name();
}

}  // namespace

namespace {

// However the window waited for closes, and from whichever step of the wizard, the main window is
// given back once and only by the window that holds it; the "order" start ends the program instead.
TEST_F(OrderWizard, TheMainWindowComesBackFromWhicheverWindowClosesAndHoweverItCloses) {
  struct Way {
    const char* name;
    void (*close)(ui::TForm&);
  } ways[] = {
      {"Close", [](ui::TForm& window) { window.Close(); }},
      {"close box", [](ui::TForm& window) { SendMessageA(window.Handle(), WM_CLOSE, 0, 0); }},
      {"system menu", [](ui::TForm& window) { SendMessageA(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const Way& way : ways) {
    for (int method = -1; method < 5; ++method) {
      SCOPED_TRACE(std::string(way.name) + ", method " + std::to_string(method));
      if (!Main->Visible()) Main->ShowPseudoModal();
      Pump();
      ASSERT_FALSE(Form1->Enabled());
      ui::TForm* shown = method < 0 ? static_cast<ui::TForm*>(Main) : OpenPage(0, method);
      EXPECT_TRUE(shown->PseudoModal());
      EXPECT_FALSE(Main->PseudoModal() && shown != Main);
      way.close(*shown);
      Pump();
      EXPECT_FALSE(shown->Visible());
      EXPECT_FALSE(shown->PseudoModal());
      EXPECT_TRUE(Form1->Enabled());
      EXPECT_FALSE(ui::Application->Terminated());
      // Closed again, or another window closed, it gives back nothing it does not hold.
      Form1->SetEnabled(false);
      shown->Close();
      EXPECT_FALSE(Form1->Enabled());
      Form1->SetEnabled(true);
    }
  }
}

TEST_F(OrderWizard, TheOrderStartEndsWithExitCodeZeroWhenAPageReachedWithNextCloses) {
  Main->Close();
  Pump();
  Main->ShowPseudoModal(ui::TPseudoModalEnd::EndProgram);
  Pump();
  TOrderPage* page = OpenPage(1, 2);
  Click(*page->backbut);
  EXPECT_FALSE(Form1->Enabled());
  page = OpenPage(1, 4);
  Click(*page->cancelbut);
  EXPECT_TRUE(ui::Application->Terminated());
  EXPECT_EQ(ui::Application->ExitCode(), 0);
  EXPECT_FALSE(Form1->Enabled());
  EXPECT_TRUE(page->Visible());  // the program ends at once: nothing more is hidden
  ui::Application->ClearTerminated();
  MSG msg;
  while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  page->Hide();
  Form1->SetEnabled(true);
}

}  // namespace
