// A loadable library without the engine's entry point.
extern "C" __attribute__((visibility("default"))) int SomethingElse()
{
    return 0;
}
