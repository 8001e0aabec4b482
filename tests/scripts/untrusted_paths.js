// args: --untrusted
// An untrusted script names files relative to its folder and cannot leave it.
function attempt(what, action) {
    try {
        print(what, "->", action());
    } catch (e) {
        print(what, "->", e.number, e.message, "|", e.source);
    }
}
const form = host.form({width: 100, height: 40});
const b = form.add("Vemmix.Zorvane", "cmdOK", {width: 100, height: 40});
attempt("a picture inside", () => host.picture("data/disc.png"));
attempt("a picture through ..", () => host.picture("data/../data/disc.png"));
attempt("an absolute path", () => host.picture("/etc/passwd"));
attempt("a path that leaves", () => host.picture("../../outside.png"));
attempt("the folder itself", () => host.load("."));
attempt("an empty path", () => host.load(""));
attempt("saving inside", () => form.save("saved.json"));
attempt("saving outside", () => form.save("../saved.json"));
attempt("a snapshot inside", () => host.snapshot(b, "b.png"));
attempt("a snapshot outside", () => host.snapshot(b, "../../b.png"));
attempt("a form whose picture leaves the folder", () => host.load("data/escaping-form.json"));
attempt("a form whose picture stays", () => host.load("data/picture-form.json"));
