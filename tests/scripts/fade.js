// args: --deterministic-text
// The text fade over virtual time: the caption's colour steps every 50 ms
// (TextFadeSpeed 3: a step of 100/3 rounded, 33; four ticks a half cycle)
// and TextFadeEnd ends it after TextFadeCycle cycles.
const form = host.form({width: 120, height: 40, visualStyle: "none"});
const b = form.add("Vemmix.Zorvane", "cmdFade", {width: 120, height: 40});
b.Appearance = 1;  // flat
b.Caption = "MMMMMMMM";
b.ForeColor = 0x000000;
b.TextFadeToColor = 0x000064;  // red 100
b.TextFadeSpeed = 3;
b.TextFadeCycle = 1;
b.TextFadeEvents = 1;  // never: only the methods start it

// the colour of the caption: the first pixel of the middle row, inside the
// border, that is no back colour
function caption() {
    const back = host.pixel(b, 6, 20);
    for (let x = 6; x < 114; ++x) {
        const p = host.pixel(b, x, 20);
        if (p !== back) return "0x" + p.toString(16).padStart(6, "0");
    }
    return "none";
}
b.on("TextFadeEnd", () => print("TextFadeEnd at", host.now(), "ms"));
print("before:", caption());
b.TextFade_Start();
const seen = [];
for (let i = 0; i < 9; ++i) {
    host.advance(50);
    seen.push(host.now() + ": " + caption());
}
print(seen.join(", "));
print("after the cycle the caption is ForeColor again:", caption());

// TextFade_Stop while running raises TextFadeEnd at once; while stopped, nothing
b.TextFadeCycle = 0;
b.TextFade_Start();
host.advance(100);
print("running at", host.now(), caption());
b.TextFade_Stop();
b.TextFade_Stop();
host.clearEvents();

// On Mouse Over: entering starts the fade, leaving stops it
b.TextFadeEvents = 4;
host.mouseMove(b, 0, 0, 60, 20);
host.advance(60);
print("hovering:", caption());
host.pointer(null);
host.advance(10);
print("left:", caption(), host.events().filter(l => l.includes("TextFadeEnd") || l.includes("MouseOut")).join(", "));
