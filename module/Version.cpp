// The library's version, for hosts that report what they loaded.
extern "C" const char* drawreg_version() {
  return "0.1.0";
}
