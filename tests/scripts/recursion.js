// Deep recursion ends with a clear error, not a crash: in the script's own
// functions, and through the button's events.
function deep(n) { return deep(n + 1) + 1; }
try {
    deep(0);
} catch (e) {
    print(e.name + ":", e.message);
}

const form = host.form();
const b = form.add("Vemmix.Zorvane", "cmdA");
const c = form.add("Vemmix.Zorvane", "cmdB");
// a Click that clicks the button again
let clicks = 0;
b.on("Click", () => { ++clicks; b.Value = true; });
try {
    b.Value = true;
} catch (e) {
    print("Value:", e.number, e.message, "after", clicks, "clicks");
}
b.off();
// two buttons that click each other through the host's input
let presses = 0;
b.on("MouseDown", () => { ++presses; host.mouseDown(c, 1, 0, 1, 1); });
c.on("MouseDown", () => { ++presses; host.mouseDown(b, 1, 0, 1, 1); });
host.mouseDown(b, 1, 0, 1, 1);
print("mouse downs nested:", presses);
