// status: 1
// A syntax error names the file and the line, and nothing runs.
print("not printed");
const b = ;
