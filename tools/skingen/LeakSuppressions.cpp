// Fontconfig keeps its font cache until the process ends; under LeakSanitizer that shows as a
// leak that is not ours. Linked into the generator and its tests only.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\nleak:libpango\nleak:libharfbuzz\n";
}

extern "C" const char* __lsan_default_options()
{
    return "print_suppressions=0";
}
