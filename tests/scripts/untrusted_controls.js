// args: --untrusted --library @GUARDED_LIBRARY@
// An untrusted script gets only controls that declare themselves safe for
// untrusted callers and data (IObjectSafety); the forms it loads are
// untrusted data, read only by controls safe for it.
function attempt(what, action) {
    try {
        print(what, "->", action());
    } catch (e) {
        print(what, "->", e.number, e.message);
    }
}
print("untrusted:", host.untrusted);
const form = host.form({width: 300, height: 100});
attempt("the button", () => form.add("Vemmix.Zorvane", "cmdSafe"));
attempt("safe for callers only", () => form.add("Test.CallerSafe", "cmdCaller"));
attempt("no safety at all", () => form.add("Test.Unsafe", "cmdUnsafe"));
print("controls handed over:", form.controls().join(", "));
attempt("a form holding one safe for callers only", () => host.load("data/guarded-form.json"));
attempt("a form of buttons", () => host.load("data/picture-form.json").control("cmdPicture").Caption);
