// The pictures of the README's gallery: the ten looks of the button, each
// state of them, the drop-down mode and the colour themes, as PNG files.
//
//   build/bin/vemmix-script examples/scripts/gallery.js [OUTPUT-FOLDER]
//
// Without a folder the pictures go to docs/gallery/.
const out = host.args[0] || "../../docs/gallery";
const looks = ["3d", "flat", "Shaped", "Windows XP", "Explorer XP",
               "Office 2003", "Office 2007", "Vista Sunrise", "Vista Sunset", "Gradient"];
const tick = host.picture("../../docs/examples/pictures/tick.png");

// ten buttons, two columns of five, each in one look with a picture
const width = 150, height = 36, gap = 10;
const form = host.form({width: 2 * width + 3 * gap, height: 5 * height + 6 * gap, visualStyle: "blue",
                        font: {name: "DejaVu Sans", size: 9}});
const buttons = looks.map((look, i) => {
    const b = form.add("Vemmix.Zorvane", "cmdLook", {
        index: i, width: width, height: height,
        left: gap + (i % 2) * (width + gap), top: gap + Math.floor(i / 2) * (height + gap)});
    b.Appearance = i;
    b.Caption = look;
    b.Picture = tick;
    b.CaptionAlignment = 3;  // middle left, beside the picture
    return b;
});
host.snapshot(form, out + "/looks.png");
for (const state of ["hover", "focus", "pressed", "toggled", "disabled"])
    host.snapshot(form, out + "/" + state + ".png", state);
buttons.forEach(b => { b.AppearanceMode = 2; });
host.snapshot(form, out + "/dropdown.png");
host.snapshot(form, out + "/dropdown-pressed.png", "dropdown-pressed");

// the colour themes of the themed looks: a row per look, a column per theme
const themed = [3, 5, 6, 7], themes = ["blue", "olive", "silver", "royal", "black"];
const sheet = host.form({width: 5 * 110 + 6 * gap, height: 4 * 30 + 5 * gap, font: {name: "DejaVu Sans", size: 9}});
themed.forEach((look, row) => themes.forEach((theme, column) => {
    const b = sheet.add("Vemmix.Zorvane", "cmdTheme", {
        index: row * themes.length + column, width: 110, height: 30,
        left: gap + column * (110 + gap), top: gap + row * (30 + gap)});
    b.Appearance = look;
    b.AppearanceThemes = column + 1;
    // the black theme is Office 2007's and Vista's; the others take silver for it
    b.Caption = theme === "black" && look < 6 ? "black: silver" : theme;
}));
host.snapshot(sheet, out + "/themes.png");
print("the gallery is in", out);
