// A script that tries to take the machine's memory with windows is told
// no, with a clear error, and goes on.
function attempt(what, action) {
    try {
        print(what, "->", action());
    } catch (e) {
        print(what, "->", e.number, e.message, "|", e.source);
    }
}
const forms = [];
attempt("forms of 4096 x 4096 pixels", () => {
    for (let i = 0; i < 1000; ++i) forms.push(host.form({width: 4096, height: 4096}));
});
print("forms opened:", forms.length);
attempt("one more button", () => forms[0].add("Vemmix.Zorvane", "cmdOne", {width: 1, height: 1}));
attempt("a form refused for another reason", () => host.form({width: 1, height: 1, visualStyle: "pink"}));
print("the script goes on");
