// A shared library without the GetPlugIn entry point, which the loader must refuse.
extern "C" __attribute__((visibility("default"))) int NotAPlugIn() {
    return 42;
}
