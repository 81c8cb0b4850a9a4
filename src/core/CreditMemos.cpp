#include "core/CreditMemos.h"

#include "core/App.h"
#include "core/RecordsetChecks.h"
#include "platform/db/Command.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Runtime.h"

namespace ward {

void EraseCreditMemo(App& app, const std::string& ID, const std::string& IdNum, const std::string& RefNum) {
    db::Command command(app.Connection(), "Inventory.dbo.Pharma_EraseCM", db::CommandType::StoredProcedure);
    command.AppendParameter("@strID", db::DataType::VarChar, 10, ID);
    command.AppendParameter("@strIdNum", db::DataType::VarChar, 10, IdNum);
    command.AppendParameter("@strRefNum", db::DataType::VarChar, 10, RefNum);
    command.Execute();
}

bool CreditMemoExists(App& app, const std::string& CreditMemoNum) {
    return CountRows(app,
                     "Select IdNum from INVENTORY..tbInvStockCard Where CreditMemoNum = " +
                         db::SqlQuote(vb::Trim(CreditMemoNum)),
                     db::CursorType::Dynamic, db::LockType::ReadOnly) > 0;
}

void AppendCreditMemo(App& app, const std::string& UserID, const std::string& RefNum, const std::string& Description,
                      double Quantity, double Amount, const std::string& ChargeSlip, std::int16_t QtyIssued,
                      const std::string& IdNum) {
    db::Command command(app.Connection(), "Inventory.dbo.Pharma_AppendCM", db::CommandType::StoredProcedure);
    command.AppendParameter("@strUserID", db::DataType::VarChar, 10, UserID);
    command.AppendParameter("@strRefNum", db::DataType::VarChar, 10, RefNum);
    command.AppendParameter("@strDescription", db::DataType::VarChar, 90, vb::Left(Description, 90));
    command.AppendParameter("@intQuantity", db::DataType::Double, 0, Quantity);
    command.AppendParameter("@monQuantity", db::DataType::Currency, 0, Amount);
    command.AppendParameter("@strChargeSlip", db::DataType::VarChar, 10, ChargeSlip);
    command.AppendParameter("@intQtyIssued", db::DataType::Integer, 0, static_cast<std::int32_t>(QtyIssued));
    command.AppendParameter("@strIdNum", db::DataType::VarChar, 10, IdNum);
    command.Execute();
}

} // namespace ward
