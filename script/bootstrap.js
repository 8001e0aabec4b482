// The script's view of the host: the `host` object, `print`, and the
// proxies that stand for controls, forms, fonts, pictures and drag data.
// Every property and method of a proxy is resolved by name when the script
// uses it, through its native object (get, set, call). The natives are
// reached only through this closure, so no script ever holds one; the
// built-ins used here are taken before any script runs, so a script that
// changes them changes nothing here.
(function (native) {
    "use strict";
    const apply = Reflect.apply;
    const ProxyOf = Proxy;
    const ErrorOf = Error;
    const StringOf = String;
    const stringify = JSON.stringify;
    const freeze = Object.freeze;
    const create = Object.create;
    const defineProperty = Object.defineProperty;
    const join = Array.prototype.join;
    const toLowerCase = String.prototype.toLowerCase;
    const isArray = Array.isArray;

    const METHOD = freeze(create(null));
    const UNKNOWN = freeze(create(null));

    // A proxy names its native only to a read of NATIVE, and only into
    // `found`, never as the value read: a script that learns the symbol
    // (by putting a proxy of its own in front of ours) gains nothing by it.
    // (The engine's WeakMap is not used for this: it fails once its keys
    // are collected.)
    const NATIVE = Symbol("native");
    let found;
    function nativeOf(value) {
        if ((typeof value !== "object" && typeof value !== "function") || value === null) return undefined;
        found = undefined;
        try {
            value[NATIVE];
        } catch (e) {
            found = undefined;
        }
        const native = found;
        found = undefined;
        return native;
    }

    // An exception as a script sees it: message, number, description
    // (the message, as automation names it) and source.
    function makeError(number, message, source) {
        const error = new ErrorOf(message);
        defineProperty(error, "number", {value: number, writable: true, configurable: true});
        defineProperty(error, "description", {value: message, writable: true, configurable: true});
        defineProperty(error, "source", {value: source, writable: true, configurable: true});
        return error;
    }

    // What was thrown, for reports: its number (0 when it has none of 1 to
    // 65535), a line of text and its stack.
    function describe(thrown) {
        let number = 0, text = "", stack = "";
        try {
            if (typeof thrown === "object" && thrown !== null) {
                const n = thrown.number;
                if (typeof n === "number" && n >= 1 && n <= 65535 && n === (n | 0)) number = n;
                if (typeof thrown.stack === "string") stack = thrown.stack;
            }
            if (number !== 0) {
                const source = typeof thrown.source === "string" && thrown.source !== "" ? " (" + thrown.source + ")" : "";
                text = "error " + number + ": " + StringOf(thrown.message) + source;
            } else {
                // an error as its name and message, any other value as print shows it
                text = thrown instanceof ErrorOf ? StringOf(thrown) : textOf(thrown);
            }
        } catch (e) {
            text = "an exception that cannot be shown";
        }
        return {number: number, text: text, stack: stack};
    }

    // Runs an event handler; what it threw, described, or undefined.
    function runHandler(handler, self, args) {
        try {
            apply(handler, self, [args]);
            return undefined;
        } catch (thrown) {
            return describe(thrown);
        }
    }

    // The proxy of a native object.
    function wrap(object, isControl) {
        const methods = create(null);  // one function per method name
        // what a name the native does not have may still be: the text of
        // the object, and a control's on and off
        const target = isControl ? {
            toString() { return object.describe(); },
            toJSON() { return object.describe(); },
            on(event, handler) { object.on(event, handler); },
            off(event, handler) { object.off(event, handler); },
        } : {
            toString() { return object.describe(); },
            toJSON() { return object.describe(); },
        };
        const proxy = new ProxyOf(target, {
            get(t, name) {
                if (name === NATIVE) {
                    found = object;
                    return undefined;
                }
                if (typeof name !== "string" || (isControl && (name === "on" || name === "off"))) return t[name];
                const value = object.get(name);
                if (value === METHOD) {
                    // names are without regard to case: one function per method
                    const key = apply(toLowerCase, name, []);
                    let method = methods[key];
                    if (method === undefined) {
                        method = function () { return object.call(name, arguments); };
                        methods[key] = method;
                    }
                    return method;
                }
                if (value === UNKNOWN) {
                    if (name in t) return t[name];
                    object.fail(name);
                }
                return value;
            },
            set(t, name, value) {
                if (typeof name !== "string") return false;
                object.set(name, value);
                return true;
            },
            has(t, name) {
                return (typeof name === "string" && object.has(name)) || name in t;
            },
            deleteProperty() { return false; },
            defineProperty() { return false; },
            setPrototypeOf() { return false; },
            ownKeys() { return []; },
            getOwnPropertyDescriptor() { return undefined; },
        });
        return proxy;
    }

    function textOf(value) {
        if (typeof value === "string") return value;
        if (typeof value === "object" && value !== null && nativeOf(value) === undefined) {
            try {
                const json = stringify(value);
                if (json !== undefined) return json;
            } catch (e) {
                // circular or nested too deep: the engine's own text of an
                // array would recurse as deep, without a stack check
                if (isArray(value)) return "[an array nested too deep or in itself]";
            }
        }
        return StringOf(value);
    }

    native.init({
        method: METHOD, unknown: UNKNOWN, wrap: wrap, unwrap: nativeOf, makeError: makeError,
        describe: describe, runHandler: runHandler,
    });

    const host = {};
    const functions = native.functions();
    for (let i = 0; i < functions.length; ++i) {
        const name = functions[i];
        host[name] = function () { return native.invoke(name, arguments); };
    }
    const constants = native.constants();
    host.args = freeze(constants.args);
    host.untrusted = constants.untrusted;
    host.window = constants.window;

    function print() {
        const parts = [];
        for (let i = 0; i < arguments.length; ++i) defineProperty(parts, i, {value: textOf(arguments[i]), enumerable: true});
        native.print(apply(join, parts, [" "]));
    }
    return {host: freeze(host), print: print};
})
