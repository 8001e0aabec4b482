// status: 1
// An uncaught exception ends the script with its message, file and line.
const b = host.form().add("Vemmix.Zorvane", "cmdOK");
print("before");
function setVersion() {
    b.Version = "6";
}
setVersion();
print("not printed");
