// Errors surface as exceptions carrying the automation error number, its
// message, and the member that raised it.
function attempt(what, action) {
    try {
        action();
        print(what, "succeeds");
    } catch (e) {
        print(what, "->", e.number, e.message, "|", e.source, "|", e.description === e.message, e instanceof Error);
    }
}
const form = host.form({width: 200, height: 100});
const b = form.add("Vemmix.Zorvane", "cmdOK");

attempt("Version = 6 at run time", () => { b.Version = "6"; });
print("Version", b.Version);
attempt("Value = true at run time", () => { b.Value = true; });
attempt("unknown property read", () => b.Captoin);
attempt("unknown property written", () => { b.Captoin = 1; });
// Calling a member the control does not have is an exception too; the
// engine (Qt 6.4) reports it as a TypeError naming the member, in place
// of the 438 that reading or writing it throws.
function attemptCall(what, action, member) {
    try {
        action();
        print(what, "succeeds");
    } catch (e) {
        print(what, "->", e instanceof TypeError, e.message.includes("'" + member + "'"));
    }
}
attemptCall("unknown method", () => b.Flash(), "Flash");
attempt("a text into an Integer", () => { b.Depth = "deep"; });
attempt("an object into a text", () => { b.Caption = {text: "OK"}; });
attempt("a form into a colour", () => { b.BackColor = form; });
attempt("an Integer too large", () => { b.Depth = 40000; });
attempt("a Long too large", () => { b.DropDownWidth = 3e10; });
attempt("a method with an argument", () => b.TextFade_Start(1));
attempt("a method with a missing argument", () => b.Refresh(undefined));
attempt("the read-only hwnd", () => { b.hwnd = 5; });
attempt("a font into Caption", () => { b.Caption = host.font(); });
attempt("a text into Font", () => { b.Font = "Tahoma"; });
attempt("a Value set from its own Click", () => {
    b.on("Click", () => { b.Value = true; });
    b.Value = true;
});
b.off("Click");

// at design time
const design = host.form({width: 200, height: 100, userMode: false});
const d = design.add("Vemmix.Zorvane", "cmdDesign");
attempt("Version = 6 at design time", () => { d.Version = "6"; });
attempt("Value = true at design time", () => { d.Value = true; });

// the host's own functions
attempt("no control", () => host.mouseDown("cmdOK", 1, 0, 1, 1));
attempt("no arguments", () => host.mouseDown());
attempt("too many arguments", () => host.now(1));
attempt("a pixel outside", () => host.pixel(b, 100, 0));
attempt("a text for a number", () => host.pixel(b, "x", 0));
attempt("a key of two letters", () => host.accessKey("ab"));
attempt("an unknown event", () => b.on("Clik", () => {}));
attempt("a handler that is no function", () => b.on("Click", 5));
attempt("an unknown class", () => form.add("Acme.Gauge", "gauge"));
attempt("a name given twice", () => form.add("Vemmix.Zorvane", "cmdOK"));
attempt("a name that is no name", () => form.add("Vemmix.Zorvane", "my button"));
attempt("a control too wide", () => form.add("Vemmix.Zorvane", "cmdWide", {width: 9000}));
attempt("an unknown option", () => form.add("Vemmix.Zorvane", "cmdX", {colour: 1}));
attempt("a form too small", () => host.form({width: 0}));
attempt("an unknown form setting", () => host.form({size: 3}));
attempt("a bad visual style", () => host.form({visualStyle: "pink"}));
attempt("a font without a size", () => host.font({size: "big"}));
attempt("a font size too large", () => { b.Font.Size = 5000; });
attempt("an unknown font member", () => b.Font.Weight);
attempt("a picture's size", () => { host.picture("data/disc.png").Width = 3; });
attempt("a missing picture", () => host.picture("data/none.png"));
attempt("a file that is no picture", () => host.picture("data/broken.png"));
attempt("a missing form", () => host.load("data/none.json"));
attempt("a damaged form", () => host.load("data/damaged.json"));
attempt("focus to a disabled control", () => { b.Enabled = false; host.focus(b); });
attempt("time running backwards", () => host.advance(-1));
attemptCall("a form member that is none", () => form.delete(), "delete");
