// A skin library with a start entry and no removal.
extern "C" __attribute__((visibility("default"))) int SkinStart(const char*, int, int, int, int)
{
    return 1;
}
