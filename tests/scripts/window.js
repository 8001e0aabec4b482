// args: --window
// status: 2
// Real windows are not available: the script does not run.
print("never printed");
