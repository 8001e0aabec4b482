// The caption fading from black to red and back on the virtual clock, as
// pictures of each step; TextFadeEnd ends it after one cycle.
//
//   build/bin/vemmix-script examples/scripts/fade.js [OUTPUT-FOLDER]
const out = host.args[0] || ".";
const form = host.form({width: 140, height: 40});
const b = form.add("Vemmix.Zorvane", "cmdFade", {width: 140, height: 40});
b.Caption = "Fading caption";
b.Font = host.font({name: "DejaVu Sans", size: 11, bold: true});
b.ForeColor = 0x000000;
b.TextFadeToColor = 0x0000FF;  // colours are 0xBBGGRR: pure red
b.TextFadeSpeed = 4;           // a half cycle of 5 ticks of 50 ms
b.TextFadeCycle = 1;
b.on("TextFadeEnd", () => print("TextFadeEnd at", host.now(), "ms"));

b.TextFade_Start();
for (let step = 1; step <= 10; ++step) {
    host.advance(50);
    host.snapshot(b, out + "/fade-" + step + ".png");
}
print("wrote", out + "/fade-1.png … fade-10.png");
