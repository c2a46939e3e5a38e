#include "kelvara/document/Schema.h"

#include <map>
#include <sstream>
#include <string_view>
#include <type_traits>
#include <vector>

#include "kelvara/AllKinds.h"
#include "kelvara/base/CKelvaraArchive.h"

namespace {

using Enumerations = std::map<std::string, std::vector<CKelvaraEnumeration::Item>>;

const char* roleName(kelvara::KindRole role) {
    switch (role) {
        case kelvara::KindRole::Single: return "SINGLE";
        case kelvara::KindRole::Listed: return "LISTED";
        case kelvara::KindRole::Root: return "ROOT";
    }
    return "?";
}

std::string narrow(const wchar_t* text) {
    std::string out;
    for (; text && *text; ++text) {
        const auto c = static_cast<unsigned>(*text);
        if (c >= 0x20 && c < 0x7F) out += static_cast<char>(c);
        else out += "\\u{" + [&] { std::ostringstream h; h << std::hex << c; return h.str(); }() + "}";
    }
    return out;
}

// The public accessors an entry kind generates (see Record.h), so that the schema text answers a
// search for a generated accessor's name.
std::vector<const char*> accessorsOf(std::string_view entry) {
    if (entry == "READONLY" || entry == "MANUAL") return {"get"};
    if (entry == "FLAG") return {"is", "set"};
    if (entry == "OPTIONAL") return {"get", "allocate", "clear", "set"};
    if (entry == "LAZY") return {"get", "set"};
    return {"get", "set"};
}

template <class I>
struct DescribeFields {
    std::ostringstream& out;
    Enumerations& enumerations;
    mutable int position = 0;

    void line(const kelvara::FieldInfo& info) const {
        out << "  " << ++position << ". " << info.name << " : " << info.entry << " " << info.type;
        if (info.flags & kelvara::kIdentityField) out << " identity";
        if (info.flags & kelvara::kNotCompared) out << " not-compared";
        out << " = " << info.defaultValue << " (since " << info.since << ")";
        for (const char* accessor : accessorsOf(info.entry)) out << " " << accessor << info.name;
        out << "\n";
    }
    template <class G, class W, class D>
    void value(const kelvara::FieldInfo& info, G, W writable, D) const {
        line(info);
        using V = std::remove_cvref_t<decltype(kelvara::deref((std::declval<I&>().*writable)()))>;
        if constexpr (std::is_base_of_v<CKelvaraEnumeration, V>) {
            const auto items = V().getItems();
            enumerations[info.type] = std::vector<CKelvaraEnumeration::Item>(items.begin(), items.end());
        }
    }
    template <class G>
    void children(const kelvara::FieldInfo& info, G) const {
        line(info);
    }
    template <class G, class A, class R>
    void optional(const kelvara::FieldInfo& info, G, A, R) const {
        line(info);
    }
};

template <class I>
void describeKind(std::ostringstream& out, Enumerations& enumerations) {
    using Traits = kelvara::KindTraits<I>;
    out << "kind " << Traits::kName << " (" << Traits::kFolder << ", " << roleName(Traits::kRole);
    if constexpr (!std::is_void_v<typename Traits::ID>) {
        out << ", lists " << (Traits::kPositional && Traits::kIterable ? "by position and iterable"
                              : Traits::kIterable                     ? "iterable"
                                                                      : "by position");
    }
    out << ")\n  record \"" << I::kRecordName << "\"";
    if constexpr (kelvara::RecordByHand<I>) out << ", written by hand";
    out << "\n";
    I::forEachField(DescribeFields<I>{out, enumerations});
}

}  // namespace

std::string kelvara::describeSchema() {
    std::ostringstream out;
    Enumerations enumerations;
    out << "Kelvara record schema, file version " << CKelvaraArchive::kCurrentFileVersion << "\n\n";
#define KELVARA_SCHEMA_KIND(Thing, Identifier, Iteration, Role, Folder) \
    describeKind<I##Thing>(out, enumerations);                          \
    out << "\n";
    KELVARA_KINDS(KELVARA_SCHEMA_KIND)
#undef KELVARA_SCHEMA_KIND
    for (const auto& [name, items] : enumerations) {
        out << "enumeration " << name << "\n";
        for (const auto& item : items) out << "  " << item.value << " \"" << narrow(item.name) << "\"\n";
    }
    return out.str();
}
