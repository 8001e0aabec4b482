// args: --timeout 1
// status: 1
// Days of hover ticks, each raising MouseOver to a handler, take longer
// than the limit: the clock stops with the script.
const b = host.form().add("Vemmix.Zorvane", "cmdHover");
let ticks = 0;
b.on("MouseOver", () => { ++ticks; });
host.mouseMove(b, 0, 0, 5, 5);
print("advancing");
host.advance(86400000);
print("never printed");
