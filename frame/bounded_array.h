// The one container of the library. Every element access clamps its index
// into [0, last]; nothing ever reports an index error.
//
// A clamp is either intended (a table read past its end on purpose, its last
// element standing for every later one: write a[i] as a.ClampedAt(i)) or a
// fault that the clamp hides. Builds with KRZ_COUNT_CLAMPS (the test and
// sanitizer builds) count every clamp of operator[] in gClampCount, and the
// test suite fails a test that leaves the count raised; ClampedAt is never
// counted.
#pragma once
#include <cstring>
#include <new>
#include <utility>

#include "frame/types.h"

// Clamps of operator[] since start (KRZ_COUNT_CLAMPS builds; else 0), with
// the index and the limit of the last one.
extern u32 gClampCount;
extern i32 gClampLastIndex;
extern i32 gClampLastLimit;
// Counts one clamp (out of line: the clamp path is cold). With the
// environment variable KRZ_CLAMP_TRACE set, sanitizer builds also print the
// stack of each clamp, to find the access.
void NoteClamp(i32 index, i32 last);

template <typename T>
struct BoundedArray {
    // An empty header points at one shared zero element instead of null, so a
    // clamped access to a table that was never filled (or whose block is
    // absent) reads zero rather than crashing.
    static inline T sEmptySlot{};
    static constexpr T* EmptySlot() { return &sEmptySlot; }

    T* data = EmptySlot();
    u32 count = 0;
    i32 last = 0;
    u16 owns = 0;
    u16 valid = 0;

    constexpr BoundedArray() = default;
    ~BoundedArray() { Release(); }
    BoundedArray(const BoundedArray&) = delete;
    BoundedArray& operator=(const BoundedArray&) = delete;
    BoundedArray(BoundedArray&& o) noexcept { TakeFrom(o); }
    BoundedArray& operator=(BoundedArray&& o) noexcept {
        if (this != &o) {
            Release();
            TakeFrom(o);
        }
        return *this;
    }

    // Clamp rule: above last -> last, below 0 -> 0 (an empty owned array
    // still has one zeroed element behind it, so index 0 stays addressable).
    i32 Clamp(i32 i) const {
        if (i > last) i = last;
        return i < 0 ? 0 : i;
    }
    T& operator[](i32 i) { return data[CountedClamp(i)]; }
    const T& operator[](i32 i) const { return data[CountedClamp(i)]; }
    // An intended clamp: the index may lie outside the table on purpose.
    T& ClampedAt(i32 i) { return data[Clamp(i)]; }
    const T& ClampedAt(i32 i) const { return data[Clamp(i)]; }

    // Frees the block when this header owns it; elements are destroyed by
    // their own destructors. The header becomes empty and invalid.
    void Release() {
        if (owns != 0 && data != nullptr) delete[] data;
        data = EmptySlot();
        count = 0;
        last = 0;
        owns = 0;
        valid = 0;
    }

    // Replaces the contents with n new default-constructed (zeroed) elements.
    void Allocate(u32 n) {
        Release();
        data = new T[n == 0 ? 1 : n]();
        count = n;
        last = static_cast<i32>(n) - 1;
        owns = 1;
        valid = 1;
    }

    // Makes this header a view on memory owned elsewhere; never freed.
    void View(T* p, u32 n) {
        Release();
        if (p == nullptr) n = 0;
        data = p != nullptr ? p : EmptySlot();
        count = n;
        last = static_cast<i32>(n) - 1;
        owns = 0;
        valid = 1;
    }

    // Takes a block made by new T[] whose first n elements this header
    // holds; the whole block is freed with the header.
    void Adopt(T* p, u32 n) {
        View(p, n);
        owns = p != nullptr ? 1 : 0;
    }

private:
    i32 CountedClamp(i32 i) const {
#ifdef KRZ_COUNT_CLAMPS
        if (i > last || i < 0) [[unlikely]] NoteClamp(i, last);
#endif
        return Clamp(i);
    }

    void TakeFrom(BoundedArray& o) {
        data = o.data;
        count = o.count;
        last = o.last;
        owns = o.owns;
        valid = o.valid;
        o.data = EmptySlot();
        o.count = 0;
        o.last = 0;
        o.owns = 0;
        o.valid = 0;
    }
};

using BoundedString = BoundedArray<u8>;

// Header constructors and destructors of the container.
template <typename T>
inline void InitEmptyArrayHeader(BoundedArray<T>& a) { a.Release(); }
inline void InitByteArray(BoundedArray<u8>& a, u32 n) { a.Allocate(n); }
inline void InitShortArray(BoundedArray<u16>& a, u32 n) { a.Allocate(n); }

// A table of `rows` writable byte rows of `width` elements each.
inline void InitByteMatrix(BoundedArray<BoundedArray<u8>>& m, u32 rows, u32 width) {
    m.Allocate(rows);
    for (u32 r = 0; r < rows; ++r) m.data[r].Allocate(width);
}
inline void AllocU16RowTable(BoundedArray<BoundedArray<u16>>& m, u32 rows, u32 width) {
    m.Allocate(rows);
    for (u32 r = 0; r < rows; ++r) m.data[r].Allocate(width);
}

// A table of n strings, element k a view on literal k (count = its length
// + 1, so the terminator is the last element). The literals are never
// copied or written.
inline void BuildStringArrayFromLiterals(BoundedArray<BoundedArray<u8>>& a, u32 n,
                                         const char* const* literals) {
    a.Allocate(n);
    for (u32 k = 0; k < n; ++k) {
        const char* text = literals[k];
        a.data[k].View(reinterpret_cast<u8*>(const_cast<char*>(text)),
                       static_cast<u32>(std::strlen(text)) + 1);
    }
}

template <typename T>
inline void DestroyBoundedArray(BoundedArray<T>& a) { a.Release(); }
template <typename T>
inline void DestroyBoundedArrayOther(BoundedArray<T>& a) { a.Release(); }
template <typename T>
inline void FreeArrayOfArrays(BoundedArray<BoundedArray<T>>& a) { a.Release(); }

// Deleting destructor. Flag bit 1: obj is a heap array of n headers, each
// destroyed (bit 0 then frees the array); bit 1 clear: obj is one header
// whose owned data is freed (bit 0 then frees the header itself).
// Returns obj's address.
template <typename T>
inline BoundedArray<T>* DeleteBoundedArray(BoundedArray<T>* obj, u32 flags, u32 n = 1) {
    if ((flags & 2) != 0) {
        if ((flags & 1) != 0) {
            delete[] obj;
        } else {
            for (u32 k = 0; k < n; ++k) obj[k].Release();
        }
    } else if ((flags & 1) != 0) {
        delete obj;
    } else {
        obj->Release();
    }
    return obj;
}

// Element accessors: clamped addresses.
inline u8* GetByteAt(BoundedArray<u8>& a, i32 i) { return &a[i]; }
inline u16* GetShortAt(BoundedArray<u16>& a, i32 i) { return &a[i]; }
inline u32* GetWordAt(BoundedArray<u32>& a, i32 i) { return &a[i]; }
template <typename T>
inline BoundedArray<T>* GetSubArrayAt(BoundedArray<BoundedArray<T>>& a, i32 i) { return &a[i]; }
