#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "kelvara/schedule/CUserField.h"
#include "kelvara/schedule/CUserFieldValue.h"
#include "property/FieldProperties.h"

TEST(UserField, NewFieldsAndValues) {
    std::unique_ptr<IUserField> temporary(createTemporaryUserField());
    ASSERT_TRUE(temporary);
    const CUserField field;
    EXPECT_NE(field.getID(), temporary->getID());
    temporary->setID(field.getID());
    EXPECT_TRUE(*temporary == field);

    const CUserFieldValue value;
    EXPECT_TRUE(value.getValue().getValue().IsEmpty());
    EXPECT_FALSE(value.getUserFieldID().isValidNotNull());
    EXPECT_TRUE(value.getImported() == false);
}

TEST(UserField, ValuesAreKeyedAndWalkedInFieldOrder) {
    std::vector<CUserFieldID> fields(4);
    for (auto& id : fields) id.generate();
    std::sort(fields.begin(), fields.end(), [](const CUserFieldID& x, const CUserFieldID& y) { return y < x; });

    CUserFieldValueArray values;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        CUserFieldValue value;
        value.setUserFieldID(fields[i]);
        value.setValue(CString(std::to_wstring(i).c_str()));
        values.Add(value);
        EXPECT_EQ(values.Add(value), -1) << "one value per field";
    }
    IUserFieldValueArrayHandle handle(new CUserFieldValueArrayHandle(&values));
    CString walked;
    for (auto it = handle.getConstIterator(); it.hasNext();) walked += it.next()->getValue().getValue();
    EXPECT_EQ(walked, CString(L"3210"));
    EXPECT_EQ(handle.getConstIterator(fields[2]).current()->getValue().getValue(), CString(L"2"));

    // Stored in field order, it comes back in field order.
    CKelvaraArchive out;
    handle.Serialize(out);
    const auto bytes = out.takeBuffer();
    CUserFieldValueArray loaded;
    CKelvaraArchive in(bytes.data(), bytes.size(), CKelvaraArchive::kCurrentFileVersion);
    IUserFieldValueArrayHandle(new CUserFieldValueArrayHandle(&loaded)).Serialize(in);
    ASSERT_EQ(loaded.GetSize(), 4);
    EXPECT_EQ(loaded.getConstReference(0).getValue().getValue(), CString(L"3"));
}

// A value refers to its field: renewing identifiers must not cut it loose.
TEST(UserField, RenewingIdentifiersKeepsTheFieldReference) {
    const CUserField field;
    CUserFieldValue value;
    value.setUserFieldID(field.getID());
    value.generateIDs();
    EXPECT_EQ(value.getID(), field.getID());
}
