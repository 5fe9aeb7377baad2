// A stand-in for the korva program that crashes at once, as an engine with a fatal fault
// would: the window that started it must go on working.
#include <cstdlib>

int main()
{
    std::abort();
}
