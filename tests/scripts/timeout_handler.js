// args: --timeout 1
// status: 1
// A handler that loops for ever inside the virtual clock is stopped too,
// and so is time that would pass for days of hover ticks.
const b = host.form().add("Vemmix.Zorvane", "cmdSpin");
let ticks = 0;
b.on("MouseOver", () => { if (++ticks === 3) { print("spinning"); for (;;) {} } });
host.mouseMove(b, 0, 0, 5, 5);
host.advance(86400000);
print("never printed");
