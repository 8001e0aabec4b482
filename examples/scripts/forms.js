// A saved form (docs/forms.md): load it, look at its controls, change one,
// save it and load the copy.
//
//   build/bin/vemmix-script examples/scripts/forms.js [OUTPUT-FOLDER]
const out = host.args[0] || ".";
const form = host.load("../../docs/examples/welcome.json");
for (const control of form.controls())
    print(String(control).padEnd(34), "Caption" in control ? JSON.stringify(control.Caption) : "");

const next = form.control("cmdNext");
next.Caption = "&Continue";
next.Font.Italic = true;
form.save(out + "/welcome-copy.json");

const copy = host.load(out + "/welcome-copy.json");
print("copy:", copy.control("cmdNext").Caption, "italic", copy.control("cmdNext").Font.Italic,
      "language 2:", copy.control("cmdLanguage", 2).Caption);
