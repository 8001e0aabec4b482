// The engine gives a script the language and the host's objects only: no
// file, network, module or console access; and a script that changes the
// built-ins cannot reach the host's natives.
print("host functions:", Object.keys(host).join(" "));
print("console", typeof console, "| XMLHttpRequest", typeof XMLHttpRequest, "| Qt", typeof Qt,
      "| require", typeof require, "| gc", typeof gc, "| importScripts", typeof importScripts);
try {
    eval("import('/etc/passwd')");
} catch (e) {
    print("import:", e.name);
}
print("host is frozen:", Object.isFrozen(host), (() => { try { host.form = null; } catch (e) { return e.name; } return typeof host.form; })());

// steal a native through patched built-ins: nothing comes out
const stolen = [];
const original = WeakMap.prototype.get;
WeakMap.prototype.get = function (k) { stolen.push(this); return original.call(this, k); };
Reflect.apply = function () { stolen.push("apply"); };
Object.defineProperty(Array.prototype, "0", {set(v) { stolen.push(v); }, configurable: true});
const b = host.form().add("Vemmix.Zorvane", "cmdOK");
b.Caption = "still works";
b.Font = host.font({name: "Tahoma", size: 9});
print(b.Caption, b.Font.Name, b.Refresh() === undefined, "| stolen:", stolen.length);
delete Array.prototype[0];

// a proxy shows nothing of itself
print("keys", JSON.stringify(Object.keys(b)), "| string", String(b), "| json", JSON.stringify({b: b}));
print("delete", (() => { "use strict"; try { delete b.Caption; } catch (e) { return e.name; } return "deleted"; })(), b.Caption);
print("expando", (() => { try { b.myTag = 1; } catch (e) { return e.number; } return "set"; })());

// a proxy of the script's own in front of a control: it is taken as the
// control, and the keys it sees open nothing
const seen = [];
const spy = new Proxy(b, {get(t, k) { if (typeof k === "symbol") seen.push(k); return Reflect.get(t, k); }});
print("through a spy:", host.pixel(spy, 1, 1) === host.pixel(b, 1, 1), "| keys seen:", seen.length,
      "| what they give:", seen.map(k => typeof b[k]).join(" "));
