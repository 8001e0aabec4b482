// args: --memory 512 --timeout 120
// status: 1
// A script that takes memory without end is stopped before it takes the machine's.
print("taking");
const kept = [];
for (;;) kept.push({ text: "a string of its own " + kept.length, number: kept.length });
