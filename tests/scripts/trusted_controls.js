// args: --library @GUARDED_LIBRARY@
// The same controls as untrusted_controls.js: a trusted script gets them all.
print("untrusted:", host.untrusted);
const form = host.form({width: 300, height: 100});
print(form.add("Test.CallerSafe", "cmdCaller"), form.add("Test.Unsafe", "cmdUnsafe").Version);
const loaded = host.load("data/guarded-form.json");
print(loaded.control("cmdGuarded").Caption);
