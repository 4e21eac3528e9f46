// Version exports.
#include "krzlib.h"

extern "C" {
KRZ_API int16_t KRZgetVersion(void) { return 6; }
KRZ_API int16_t KRZgetSubversion(void) { return 8; }
}
