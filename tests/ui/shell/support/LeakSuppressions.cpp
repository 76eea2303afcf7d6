// fontconfig keeps its configuration until the process ends; Qt never frees
// it, so LeakSanitizer would report it in every test that draws text.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
