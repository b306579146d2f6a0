#!/usr/bin/env python3
"""The browser tests of one engine in one session, on a virtual display of its own: the advice's
claims, every saved page and the call snippet, and the preview that Preview writes (all made once by
make_files.py into the files folder). An engine that does not start, or whose pop-up blocker cannot
be turned on, fails with the reason.
Usage: run_engine.py chromium|firefox|webkit files-folder [advice,saved,preview]"""
import shutil
import sys
import tempfile

import harness


def main():
    key, files = sys.argv[1], sys.argv[2]
    parts = sys.argv[3].split(",") if len(sys.argv) > 3 else ["advice", "saved", "preview"]
    folder = tempfile.mkdtemp(prefix=f"skylatch-{key}-")
    try:
        with harness.engine_session(key, folder) as session:
            print(f"{session.name} {session.version}: pop-up blocker on (the probe's window.open gave null)")
            if "advice" in parts:
                import advice_checks
                advice_checks.run(session, folder)
            if "saved" in parts:
                import saved_page_checks
                saved_page_checks.run(session, files)
            if "preview" in parts:
                import preview_checks
                preview_checks.run(session, files)
                preview_checks.run_hostile(session, files)
    except harness.EngineFailed as e:
        harness.fail(f"{key} cannot be tested: {e}")
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    print(f"{len(harness.failures)} failed check(s)" if harness.failures else "every check passed")
    return 1 if harness.failures else 0


if __name__ == "__main__":
    sys.exit(main())
