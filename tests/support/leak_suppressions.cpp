// The font and platform libraries under Qt keep caches for the life of the
// process, which the leak checker of sanitizer builds reports at exit. They are
// not ours; our own leaks are still reported.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
