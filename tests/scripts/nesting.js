// status: 1
// Values nested 200000 deep: the host's functions refuse them, the
// engine's JSON gives a RangeError the script can catch, and where a
// built-in of the engine itself would overflow the stack the run ends
// with a clear message and status 1, not a crash.
let o = {};
for (let i = 0; i < 200000; ++i) o = {a: o};
try { host.font(o); } catch (e) { print("host.font:", e.number, e.message); }
try { host.form({width: 10, height: 10, font: o}); } catch (e) { print("host.form:", e.number, e.message); }
let arr = [];
for (let i = 0; i < 200000; ++i) arr = [arr];
try { JSON.stringify(arr); } catch (e) { print("JSON.stringify:", e.name); }
try { print(arr); } catch (e) { print("print:", e.name); }
print("now String()");
String(arr);
print("never printed");
