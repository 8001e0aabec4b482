// script-args: one --two 3
// What the host tells a script about its run.
print("args", JSON.stringify(host.args), "untrusted", host.untrusted, "window", host.window, "now", host.now());
print(1, "two", true, null, undefined, {a: [1, 2]}, [3, 4]);
print();
print("üñï©ødé ภาษาไทย");
