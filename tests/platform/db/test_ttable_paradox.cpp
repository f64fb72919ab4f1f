#include <gtest/gtest.h>

#include <chrono>

#include "db/engine.h"
#include "db/engineloader.h"
#include "db/tdatefield.h"
#include "db/tfloatfield.h"
#include "db/ttable.h"
#include "support/tempfolder.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

// The dataset over the real driver library, loaded as the program loads it:
// a weight log made, filled, reopened and refused end to end.
class TableOverDriverTest : public TempHomeTest {
protected:
    TableOverDriverTest() {
        date = table.AddDateField("DATE");
        weight = table.AddFloatField("WEIGHT");
        weight->SetRequired(true);
        weight->SetMaxValue(999.5);
        table.SetAutoCalcFields(false);
    }

    void CreateLog(const std::string& name) {
        db::TTable maker{Driver};
        maker.SetTableName(name);
        maker.SetTableType(db::TTableType::ttParadox);
        maker.FieldDefs().Clear();
        maker.FieldDefs().Add("DATE", db::FieldType::Date);
        maker.FieldDefs().Add("WEIGHT", db::FieldType::Number);
        maker.IndexDefs().Clear();
        maker.IndexDefs().Add("PRIMARY", "DATE", db::ixPrimary | db::ixUnique);
        maker.CreateTable();
    }

    void AddEntry(sys_days day, double pounds) {
        table.Insert();
        date->SetAsDateTime(day);
        weight->SetAsFloat(pounds);
        table.Post();
    }

    static db::Engine& Driver() { return db::LoadEngine({BODELOG_DRIVER_DIR}); }

    db::TTable table{Driver};
    db::TDateField* date = nullptr;
    db::TFloatField* weight = nullptr;
    const sys_days firstDay = sys_days{year{2026} / December / 1};
};

TEST_F(TableOverDriverTest, EntriesPostedThroughTheDatasetAreThereAfterReopening) {
    CreateLog("Jane Roe.db");
    table.SetTableName("Jane Roe.db");  // a bare name opens in the working folder
    table.Open();
    AddEntry(firstDay + days{1}, 151.5);
    AddEntry(firstDay, 150.0);
    EXPECT_EQ(date->AsDateTime(), firstDay);  // the posted record stays current

    EXPECT_THROW(AddEntry(firstDay, 149.0), db::EDBEngineError);
    EXPECT_EQ(table.State(), db::TDataSetState::dsInsert);  // key violation: still unposted
    table.Cancel();
    table.Close();

    ASSERT_TRUE(fs::exists(home() / "Jane Roe.PX"));
    table.Open();
    table.Last();
    EXPECT_EQ(table.RecordCount(), 2u);
    EXPECT_EQ(weight->AsFloat(), 151.5);
    table.Prior();
    EXPECT_EQ(weight->AsFloat(), 150.0);
    EXPECT_EQ(date->AsDateTime(), firstDay);
}

TEST_F(TableOverDriverTest, TableThatIsNoWeightLogIsRefusedNamingTheFile) {
    const fs::path foreign = fs::path(BODELOG_SHARED_DIR) / "data/paradox-samples/db/CUSTOMER.DB";
    table.SetTableName(foreign.string());
    try {
        table.Open();
        FAIL() << "opened " << foreign;
    } catch (const sysutils::Exception& error) {
        EXPECT_NE(std::string(error.what()).find("CUSTOMER.DB"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(table.Active());
}

}  // namespace
