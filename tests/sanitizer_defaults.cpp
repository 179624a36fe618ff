// Built into the test programs of the sanitizer build: the options every run needs, so that
// ctest, test discovery and a test started by hand all behave alike.

extern "C" const char* __asan_default_options() {
    // The suites that load Qt's widgets and sound unwind through Qt's libraries (built
    // without frame pointers), so that leak reports and suppressions see the whole stack.
#ifdef VELLORIN_FULL_UNWIND
    return "fast_unwind_on_malloc=0:detect_leaks=1:strict_string_checks=1";
#else
    return "detect_leaks=1:strict_string_checks=1";
#endif
}

extern "C" const char* __lsan_default_options() {
    return "suppressions=" VELLORIN_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}
