// args: --timeout 0.5
// status: 1
// A script that loops for ever is stopped.
print("looping");
for (;;) {}
