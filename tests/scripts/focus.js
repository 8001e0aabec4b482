// The focus, Tab and the access keys of a form; Enter and Escape go to its
// default and cancel buttons.
const form = host.load("data/dialog.json");
const ok = form.control("cmdOK"), cancel = form.control("cmdCancel"), label = form.control("lblInfo");
print(form, form.controls().join(" "), "| the label's caption:", label.Caption);
function events() {
    const lines = host.events().filter(l => l.includes(" event ") || l.includes(" focus "));
    host.clearEvents();
    return lines.map(l => l.replace(/ (event|focus) /, " ")).join(", ");
}
host.clearEvents();
host.tab();
print("Tab from nothing:", form.focus, events());
host.focus(ok);
host.tab();
host.tab();
print("Tab, Tab from OK:", form.focus, events());
host.tab(false);
print("Shift+Tab:", form.focus, events());
cancel.Enabled = false;
host.focus(ok);
host.tab();
print("Tab skips a disabled control:", form.focus, events());
cancel.Enabled = true;
host.focus(null);
print("no focus:", form.focus, events());
print("Enter:", host.accessKey(13), events());
print("Escape:", host.accessKey("\u001b"), events());
print("o:", host.accessKey("o"), events());
print("x:", host.accessKey("x"), events());
const plain = host.form({width: 100, height: 40});
print("Enter without a default button:", host.accessKey(13));
