/*
 * KRZLib: English and French text checking.
 *
 * The exported C interface. All integer types are fixed width. Text passed in
 * and handed back is Windows-1252 unless the host switched the library to Mac
 * Roman with KRZUseMacRomanEncoding(1).
 *
 * Threading: the library keeps all of its state in globals and takes no
 * locks. Calls must not overlap: a host that calls from several threads must
 * serialise every call itself.
 *
 * Results: 0 or a positive count on success, a negative code on failure
 * (-5 file error, -8 memory exhausted or buffer too small).
 */
#ifndef KRZLIB_H
#define KRZLIB_H

#include <stdint.h>

#if defined(__GNUC__)
#define KRZ_API __attribute__((visibility("default")))
#else
#define KRZ_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Versions: major and minor number of the library. */
KRZ_API int16_t KRZgetVersion(void);
KRZ_API int16_t KRZgetSubversion(void);

#ifdef __cplusplus
}
#endif

#endif /* KRZLIB_H */
