// An exception in a handler is the handler's error, given to the button:
// the script goes on, and the button does with the error what it does
// with any handler's error. Each distinct failure is reported once.
const form = host.form();
const b = form.add("Vemmix.Zorvane", "cmdOK");
function events() {
    const lines = host.events().filter(l => l.includes(" event "));
    host.clearEvents();
    return lines.map(l => l.replace(/^\S+ event /, "")).join(", ");
}
host.clearEvents();

// a failing MouseDown handler ends the mouse-down handling: no pressed look, no Click at release
b.on("MouseDown", () => { throw new Error("no press"); });
host.mouseDown(b, 1, 0, 5, 5);
host.mouseUp(b, 1, 0, 5, 5);
print("MouseDown fails:", events());
b.off();

// a failing KeyDown handler is skipped: Enter still clicks
b.on("KeyDown", () => { null.x; });
host.keyDown(b, 13);
host.keyDown(b, 13);
print("KeyDown fails:", events());
b.off();

// a numbered error goes to the button with its number; the Click of Value
b.on("Click", () => { const e = new Error("custom"); e.number = 1234; throw e; });
b.Value = true;
print("Click fails:", events(), "and the script goes on");
b.off();

// a thrown value that is no error
b.on("Click", () => { throw "plain"; });
b.Value = true;
print("thrown text:", events());
