// The sanitizers' defaults for the fuzz targets (ASAN_OPTIONS and
// UBSAN_OPTIONS still override them). A small quarantine and no filling of
// new blocks keep an execution cheap, most of its time otherwise going to
// fresh pages; use-after-free within the last 16 MB freed is still caught.
extern "C" __attribute__((visibility("default"))) const char* __asan_default_options() {
    return "quarantine_size_mb=16:max_malloc_fill_size=0:malloc_context_size=8";
}

extern "C" __attribute__((visibility("default"))) const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }
