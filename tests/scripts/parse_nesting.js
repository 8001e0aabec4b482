// Source nested 100000 deep, given to the engine's own parser through eval
// and Function: a SyntaxError the script may catch, not a crash.
const depth = 100000;
try { eval("(".repeat(depth) + "1" + ")".repeat(depth)); } catch (e) { print("eval:", e.name, e.message); }
try { new Function("return " + "[".repeat(depth) + "]".repeat(depth)); } catch (e) { print("Function:", e.name, e.message); }
try { eval("{".repeat(depth) + "}".repeat(depth)); } catch (e) { print("blocks:", e.name, e.message); }
print("the script goes on");
