// The archive's byte forms: fixed widths, text in both forms, counts, and refusal of malformed input.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <limits>

#include "kelvara/platform/CArchive.h"
#include "kelvara/platform/CFile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

template <class Write>
Bytes storedBy(Write write) {
    CArchive ar;
    write(ar);
    return ar.takeBuffer();
}

CString readString(const Bytes& b) {
    CArchive in(b.data(), b.size());
    CString s;
    in >> s;
    EXPECT_EQ(in.remaining(), 0u);
    return s;
}

// The bytes of the wide form's length prefix (after the tag) for a text of n UTF-16 units.
Bytes widePrefix(std::size_t n) {
    return storedBy([&](CArchive& ar) { ar << CString(std::wstring(n, L'x')); });
}

}  // namespace

TEST(Archive, FixedWidthsAreLittleEndianAndRoundTrip) {
    const Bytes bytes = storedBy([](CArchive& ar) {
        ar << true << false << BYTE(0xAB) << std::int16_t(-2) << WORD(0x1234) << int(0x01020304)
           << static_cast<unsigned int>(0xFFFFFFFEu) << std::int64_t(-3) << std::uint64_t(0x0102030405060708ull)
           << 1.5f << -2.25;
    });
    const Bytes expected = {1,    0,    0xAB, 0xFE, 0xFF, 0x34, 0x12, 4,    3,    2,    1,    0xFE, 0xFF, 0xFF,
                            0xFF, 0xFD, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 8,    7,    6,    5,    4,
                            3,    2,    1,    0,    0,    0xC0, 0x3F, 0,    0,    0,    0,    0,    0,    2,    0xC0};
    EXPECT_EQ(bytes, expected);

    CArchive in(bytes.data(), bytes.size());
    bool t = false, f = true;
    BYTE b = 0;
    std::int16_t s = 0;
    WORD w = 0;
    int i = 0;
    unsigned int u = 0;
    std::int64_t l = 0;
    std::uint64_t ul = 0;
    float fl = 0;
    double d = 0;
    in >> t >> f >> b >> s >> w >> i >> u >> l >> ul >> fl >> d;
    EXPECT_TRUE(t);
    EXPECT_FALSE(f);
    EXPECT_EQ(b, 0xAB);
    EXPECT_EQ(s, -2);
    EXPECT_EQ(w, 0x1234);
    EXPECT_EQ(i, 0x01020304);
    EXPECT_EQ(u, 0xFFFFFFFEu);
    EXPECT_EQ(l, -3);
    EXPECT_EQ(ul, 0x0102030405060708ull);
    EXPECT_EQ(fl, 1.5f);
    EXPECT_EQ(d, -2.25);
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_TRUE(in.IsLoading());
}

TEST(Archive, TruncatedInputRaisesAnExceptionNamingTheOffset) {
    const Bytes bytes = {1, 2, 3, 4, 5, 6};
    CArchive in(bytes.data(), bytes.size());
    int first = 0;
    in >> first;
    int second = 0;
    try {
        in >> second;
        FAIL() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.cause(), CArchiveException::endOfFile);
        EXPECT_NE(std::string(e.what()).find("offset 4"), std::string::npos) << e.what();
    }
    EXPECT_EQ(in.offset(), 4u) << "a failed read consumes nothing";
    std::int16_t last = 0;
    in >> last;
    EXPECT_EQ(last, 0x0605);

    CArchive empty(static_cast<const void*>(nullptr), 0);
    double d = 0;
    EXPECT_THROW(empty >> d, CArchiveException);

    const Bytes notBool = {2};
    CArchive badBool(notBool.data(), notBool.size());
    bool v = false;
    try {
        badBool >> v;
        FAIL() << "no exception";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.cause(), CArchiveException::badSchema);
    }
}

TEST(Archive, ReadAndWriteDirectionsAreChecked) {
    CArchive out;
    int i = 0;
    EXPECT_THROW(out >> i, CArchiveException);
    char buffer[4] = {};
    EXPECT_THROW(out.Read(buffer, 4), CArchiveException);
    const Bytes bytes = {1, 2, 3};
    CArchive in(bytes.data(), bytes.size());
    EXPECT_THROW(in.Write(buffer, 1), CArchiveException);
    EXPECT_THROW(in << 5, CArchiveException);
    EXPECT_EQ(in.Read(buffer, 4), 3u) << "Read answers what there is";
    EXPECT_EQ(in.Read(buffer, 4), 0u);
}

TEST(Archive, CountsAreCheckedBeforeAnythingIsAllocated) {
    auto countOf = [](int n, std::size_t extra) {
        Bytes b = storedBy([&](CArchive& ar) { ar << n; });
        b.resize(b.size() + extra, 0);
        return b;
    };
    {
        const Bytes b = countOf(3, 12);
        CArchive in(b.data(), b.size());
        EXPECT_EQ(in.readCount("things", 4), 3);
    }
    {
        const Bytes b = countOf(4, 12);
        CArchive in(b.data(), b.size());
        try {
            in.readCount("things", 4);
            FAIL() << "no exception";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.cause(), CArchiveException::badIndex);
            EXPECT_NE(std::string(e.what()).find("things"), std::string::npos) << e.what();
        }
    }
    {
        const Bytes b = countOf(std::numeric_limits<int>::max(), 0);
        CArchive in(b.data(), b.size());
        EXPECT_THROW(in.readCount("things", 1), CArchiveException);
    }
    {
        const Bytes b = countOf(-1, 100);
        CArchive in(b.data(), b.size());
        try {
            in.readCount("things", 1);
            FAIL() << "no exception";
        } catch (const CArchiveException& e) {
            EXPECT_NE(std::string(e.what()).find("negative"), std::string::npos) << e.what();
        }
    }
}

TEST(Archive, WideTextPrefixEscalatesAtTheClassicLengths) {
    EXPECT_EQ(widePrefix(0), (Bytes{0xFF, 0xFE, 0xFF, 0x00}));
    const Bytes b254 = widePrefix(254);
    EXPECT_EQ(Bytes(b254.begin(), b254.begin() + 4), (Bytes{0xFF, 0xFE, 0xFF, 0xFE}));
    EXPECT_EQ(b254.size(), 4u + 2 * 254);
    const Bytes b255 = widePrefix(255);
    EXPECT_EQ(Bytes(b255.begin(), b255.begin() + 6), (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}));
    const Bytes b65533 = widePrefix(65533);
    EXPECT_EQ(Bytes(b65533.begin(), b65533.begin() + 6), (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}));
    const Bytes b65534 = widePrefix(65534);
    EXPECT_EQ(Bytes(b65534.begin(), b65534.begin() + 10),
              (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    const Bytes b65535 = widePrefix(65535);
    EXPECT_EQ(Bytes(b65535.begin(), b65535.begin() + 10),
              (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));

    for (std::size_t n : {0u, 1u, 254u, 255u, 256u, 65533u, 65534u, 65535u, 70000u}) {
        const CString text(std::wstring(n, L'\x00E9'));
        const CString back = readString(storedBy([&](CArchive& ar) { ar << text; }));
        EXPECT_EQ(back, text) << n;
    }
}

TEST(Archive, WideTextCarriesCharactersBeyondTheBasicPlane) {
    const CString text(std::wstring(L"a\U0001F600b\U00010000\U0010FFFF\x20AC"));
    const Bytes bytes = storedBy([&](CArchive& ar) { ar << text; });
    EXPECT_EQ(bytes[3], 9) << "length in UTF-16 code units";
    EXPECT_EQ(Bytes(bytes.begin() + 6, bytes.begin() + 10), (Bytes{0x3D, 0xD8, 0x00, 0xDE}));
    EXPECT_EQ(readString(bytes), text);

    // A lone surrogate survives as it is.
    const Bytes lone = {0xFF, 0xFE, 0xFF, 2, 0x3D, 0xD8, 0x41, 0x00};
    const CString s = readString(lone);
    ASSERT_EQ(s.GetLength(), 2);
    EXPECT_EQ(static_cast<unsigned>(s[0]), 0xD83Du);
    EXPECT_EQ(s[1], L'A');
}

TEST(Archive, NarrowTextIsReadToo) {
    EXPECT_EQ(readString(Bytes{3, 'a', 'b', 'c'}), L"abc");
    EXPECT_EQ(readString(Bytes{1, 0xE9}), L"\x00E9");
    Bytes longNarrow = {0xFF, 0x2C, 0x01};
    longNarrow.resize(3 + 300, 'z');
    EXPECT_EQ(readString(longNarrow), CString(std::wstring(300, L'z')));

    const Bytes wide = storedBy([](CArchive& ar) { ar << CString(L"h\x00E9"); });
    CArchive wideIn(wide.data(), wide.size());
    CStringA fromWide;
    wideIn >> fromWide;
    EXPECT_EQ(fromWide, CStringA("h\xC3\xA9")) << "wide text read as narrow arrives as UTF-8";
}

// Narrow text is UTF-8 to the rest of the system but the narrow form reads back as Latin-1: only
// ASCII keeps the narrow form. Whatever is stored reads back unchanged both as CStringA and as
// CString, or is refused before a byte is written.
TEST(Archive, NarrowTextIsStoredSoThatBothReadersGetItBackUnchanged) {
    auto readBoth = [](const Bytes& bytes, CStringA& narrow, CString& wide) {
        CArchive a(bytes.data(), bytes.size());
        a >> narrow;
        EXPECT_EQ(a.remaining(), 0u);
        wide = readString(bytes);
    };
    const std::string long300(300, 'q');
    for (const std::string& ascii : {std::string(), std::string("plain text"), std::string("nul\0inside", 10), long300}) {
        const Bytes bytes = storedBy([&](CArchive& ar) { ar << CStringA(ascii); });
        Bytes expected = ascii.size() < 0xFF ? Bytes{static_cast<std::uint8_t>(ascii.size())}
                                             : Bytes{0xFF, static_cast<std::uint8_t>(ascii.size() & 0xFF),
                                                     static_cast<std::uint8_t>(ascii.size() >> 8)};
        expected.insert(expected.end(), ascii.begin(), ascii.end());
        EXPECT_EQ(bytes, expected) << "ASCII keeps the narrow form's bytes";
        CStringA narrow;
        CString wide;
        readBoth(bytes, narrow, wide);
        EXPECT_EQ(narrow, CStringA(ascii));
        EXPECT_EQ(wide, CString(CStringA(ascii)));
    }

    const std::vector<std::pair<std::string, std::wstring>> texts = {
        {"h\xC3\xA9llo", L"h\x00E9llo"},            // Latin-1 could hold it, but not as these bytes
        {"\xC3\xBF", L"\x00FF"},
        {"5 \xE2\x82\xAC", L"5 \x20AC"},
        {"\xF0\x9F\x98\x80!", L"\U0001F600!"},
        {"\xF4\x8F\xBF\xBF", L"\U0010FFFF"},
    };
    for (const auto& entry : texts) {
        const std::string& utf8 = entry.first;  // a plain reference: lambdas capture it everywhere
        const std::wstring& text = entry.second;
        const Bytes bytes = storedBy([&](CArchive& ar) { ar << CStringA(utf8); });
        ASSERT_GE(bytes.size(), 3u);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 3), (Bytes{0xFF, 0xFE, 0xFF})) << "the wide form";
        CStringA narrow;
        CString wide;
        readBoth(bytes, narrow, wide);
        EXPECT_EQ(narrow, CStringA(utf8)) << "the same bytes";
        EXPECT_EQ(wide, CString(text));
        EXPECT_EQ(wide, CString(CStringA(utf8)));
    }

    const std::vector<std::string> notUtf8 = {
        "caf\xE9",             // Latin-1 bytes
        "\x80",                // a continuation byte alone
        "ab\xC3",              // cut off
        "\xC0\x80",            // overlong
        "\xE0\x9F\xBF",        // overlong
        "\xED\xA0\x80",        // a surrogate
        "\xF4\x90\x80\x80",    // above U+10FFFF
        "\xF5\x80\x80\x80",
        "\xE2\x82",            // cut off
        "\xE2\x28\xA1",        // a continuation missing
    };
    for (const std::string& bad : notUtf8) {
        CArchive ar;
        ar << 7;
        try {
            ar << CStringA(bad);
            ADD_FAILURE() << "stored: " << bad.size() << " bytes";
        } catch (const CArchiveException& e) {
            EXPECT_NE(std::string(e.what()).find("not UTF-8"), std::string::npos) << e.what();
        }
        EXPECT_EQ(ar.size(), 4u) << "nothing of the refused text is written";
    }
}

// A text pointer has no archive form of its own; without the deleted overloads it would be a bool.
template <class T>
concept Storable = requires(CArchive& ar, T value) { ar << value; };
static_assert(!Storable<const char*> && !Storable<const wchar_t*>);
static_assert(Storable<CString> && Storable<CStringA>);

TEST(Archive, MalformedTextIsRefused) {
    const std::vector<Bytes> bad = {
        {5, 'a', 'b'},                                     // narrow, cut short
        {0xFF, 0xFE, 0xFF, 3, 'a', 0},                      // wide, cut short
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 1, 0, 0},      // repeated tag
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2},   // huge narrow length
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
        {0xFF, 0xFE},
        {},
    };
    for (const Bytes& b : bad) {
        CArchive in(b.data(), b.size());
        CString s;
        EXPECT_THROW(in >> s, CArchiveException) << b.size();
        CArchive again(b.data(), b.size());
        CStringA a;
        EXPECT_THROW(again >> a, CArchiveException);
    }
}

TEST(Archive, FileArchivesWriteAtCloseAndReadWhole) {
    char path[] = "/tmp/kelvara-archive-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    for (bool closeExplicitly : {true, false}) {
        {
            CFile file(path, CFile::modeCreate | CFile::modeWrite);
            CArchive ar(&file, CArchive::store);
            ar << 42 << CString(L"file");
            if (closeExplicitly) ar.Close();  // otherwise the destructor still writes it
        }
        CFile file(path, CFile::modeRead);
        EXPECT_EQ(file.GetLength(), 4u + 4u + 8u);
        CArchive ar(&file, CArchive::load);
        int n = 0;
        CString s;
        ar >> n >> s;
        EXPECT_EQ(n, 42);
        EXPECT_EQ(s, L"file");
        EXPECT_EQ(ar.remaining(), 0u);
    }
    std::remove(path);
    EXPECT_THROW(CFile("/nonexistent/dir/file", CFile::modeRead), CFileException);
    CFile closed;
    EXPECT_THROW(CArchive(&closed, CArchive::load), CFileException);
}

TEST(Archive, TakeBufferHandsOverTheStoredBytesAndAReusedBufferIsWrittenInPlace) {
    CArchive ar;
    for (int i = 0; i < 5000; ++i) ar << i;  // several growths
    const std::uint8_t* stored = ar.data();
    Bytes first = ar.takeBuffer();
    ASSERT_EQ(first.size(), 5000u * 4);
    EXPECT_EQ(first.data(), stored) << "the bytes are handed over, not copied";
    EXPECT_EQ(first[4 * 4999], 4999 & 0xFF);
    EXPECT_EQ(ar.size(), 0u);
    EXPECT_TRUE(ar.takeBuffer().empty()) << "the archive is left empty";

    // Stored again into the same memory, the bytes are exactly those of a fresh archive, and a
    // shorter store leaves nothing of the longer one behind.
    const std::uint8_t* memory = first.data();
    CArchive again;
    again.reuseBuffer(std::move(first));
    again << 7 << CString(L"x");
    EXPECT_EQ(again.data(), memory);
    const Bytes second = again.takeBuffer();
    EXPECT_EQ(second.data(), memory);
    EXPECT_EQ(second, storedBy([](CArchive& fresh) { fresh << 7 << CString(L"x"); }));

    // A buffer too small for what follows grows like any other.
    CArchive small;
    small.reuseBuffer(Bytes(3));
    for (int i = 0; i < 100; ++i) small << i;
    EXPECT_EQ(small.takeBuffer().size(), 400u);

    // Only an empty storing archive takes a buffer: stored bytes are never dropped silently.
    CArchive written;
    written << 1;
    EXPECT_THROW(written.reuseBuffer(Bytes(64)), CArchiveException);
    EXPECT_EQ(written.takeBuffer(), storedBy([](CArchive& fresh) { fresh << 1; }));
    const Bytes data{1, 2, 3, 4};
    CArchive loading(data.data(), data.size());
    EXPECT_THROW(loading.reuseBuffer(Bytes(64)), CArchiveException);
}
