// status: 1
// A thrown value that is no error is reported as what it is.
print("before");
throw {reason: "no"};
