#include "core/Services.h"

namespace mb {
int DefaultAnswer(int buttons)
{
    static const int first[] = {Ok, Ok, Abort, Yes, Yes, Retry};
    static const int second[] = {Ok, Cancel, Retry, No, No, Cancel};
    static const int third[] = {Ok, Cancel, Ignore, Cancel, No, Cancel};
    const int set = buttons & 7;
    if (set > 5)
        return Ok;
    if (buttons & DefaultButton3)
        return third[set];
    if (buttons & DefaultButton2)
        return second[set];
    return first[set];
}
} // namespace mb

Services &services()
{
    static Services s;
    return s;
}
