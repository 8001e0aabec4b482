// Events and their arguments: a KeyDown handler that swallows Enter by
// setting e.KeyCode to 0, a toggle button, and hovering on the virtual
// clock (MouseOver at every 10 ms tick, one MouseOut).
//
//   build/bin/vemmix-script examples/scripts/events.js
const form = host.form({width: 240, height: 50});
const save = form.add("Vemmix.Zorvane", "cmdSave", {left: 10, top: 10, width: 100, height: 30});
const bold = form.add("Vemmix.Zorvane", "cmdBold", {left: 130, top: 10, width: 100, height: 30});
save.Caption = "&Save";
bold.Caption = "&Bold";

// Enter clicks a button; a handler that sets KeyCode to 0 stops it
save.on("Click", () => print("Save clicked"));
host.keyDown(save, 13);
save.on("KeyDown", e => { if (e.KeyCode === 13) e.KeyCode = 0; });
host.keyDown(save, 13);
print("after the handler, Enter is swallowed");

// a toggle button flips ToggleValue at each click
bold.AppearanceMode = 1;
bold.on("Click", () => print("Bold is now", bold.ToggleValue));
host.mouseDown(bold, 1, 0, 5, 5);
host.mouseUp(bold, 1, 0, 5, 5);
host.accessKey("b");

// hovering: the pointer rests on the button for 30 ms, then leaves
let overs = 0;
save.on("MouseOver", () => ++overs);
save.on("MouseOut", () => print("MouseOut at", host.now(), "ms after", overs, "MouseOver"));
host.mouseMove(save, 0, 0, 50, 15);
host.advance(30);
host.pointer(null);
host.advance(10);

// the log of everything, events and notifications
print(host.events().filter(line => line.startsWith("cmdSave event")).join("\n"));
