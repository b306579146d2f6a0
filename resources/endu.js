// Skylatch! preview frame

document.write('<title>Skylatch! Preview</title>');
document.write('<frameset rows="100%,*" framespacing="0" border="0">');
document.write('<frame frameborder="0" name="topFrame" src="tmphtm.htm" noresize="noresize" />');
document.write('</frameset>');

// The frame shows the test page (tmphtm.htm).