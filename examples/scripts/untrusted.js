// args: --untrusted
// An untrusted script: every control it gets declares itself safe for
// untrusted callers and data, and its files stay in its own folder.
//
//   build/bin/vemmix-script --untrusted examples/scripts/untrusted.js
print("untrusted:", host.untrusted);
const b = host.form().add("Vemmix.Zorvane", "cmdOK");
b.Caption = "&OK";
print(b, "is safe for untrusted callers and data; Caption", b.Caption);
for (const path of ["/etc/hostname", "../../docs/examples/welcome.json"]) {
    try {
        host.load(path);
    } catch (e) {
        print(e.number, e.message);
    }
}
