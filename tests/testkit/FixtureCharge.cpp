#include "testkit/FixtureCharge.h"

#include "charges/frmCharge.h"

namespace testkit::ward_fixture {

std::string PostedChargesQuery(const std::string& idNum, const std::string& hospNum) {
    return "STATION..List_All_SUCharges '" + hospNum + "','" + idNum + "','SIC'";
}

const std::vector<std::string>& PostedChargesColumns() {
    static const std::vector<std::string> columns = {"RevenueID", "ItemID",  "Description", "Quantity",
                                                     "Amount",    "RefNum",  "TransDate",   "Remarks",
                                                     "LocationID", "UserID", "DosageID"};
    return columns;
}

Row PostedCharge(const char* dept, const char* item, const char* description, const char* quantity,
                 const char* amount, const char* slip, const char* marker, const char* location) {
    return {dept, item, description, quantity, amount, slip, "12/11/2026 09:15:00 AM", marker, location, "N0001", ""};
}

std::vector<std::string> NoCdfStatements(const std::string& idNum, const std::string& hospNum) {
    return {"BILLING..sp_billing_search_for_patient_transactions_Kidney '" + idNum + "', ''",
            "Select Amount from BILLING..tbParsCDFTransaction where hospnum = '" + hospNum + "'",
            "BILLING..sp_Pars_Get_UtilizedCDF '" + hospNum + "'"};
}

void DeclareNoCdf(ScriptedServer& server, const std::string& idNum, const std::string& hospNum) {
    const std::vector<std::string> statements = NoCdfStatements(idNum, hospNum);
    server.On(statements[0])
        .Returns({"RevenueID", "LocationID", "hemorequest", "ItemID", "DrCr", "LGRP", "Amount"}, {});
    server.On(statements[1]).Returns({"Amount"}, {});
    server.On(statements[2]).Returns({"Amount"}, {});
}

std::string TankRecordQuery(const std::string& slip, const std::string& idNum) {
    return "Select 1 from STATION..tbOpenClosetank WHERE IDNUM = '" + idNum + "' and Refnum = '" + slip + "'";
}

std::string OpenTankQuery(const std::string& slip, const std::string& idNum) {
    return TankRecordQuery(slip, idNum) + " and Status = 1";
}

std::string AnyOpenTankQuery(const std::string& idNum) {
    return "Select 1 from STATION..tbOpenClosetank WHERE IDNUM = '" + idNum + "' AND STATUS = 1";
}

void DeclareTanks(ScriptedServer& server, const std::vector<Tank>& tanks) {
    for (const Tank& tank : tanks) {
        server.On(TankRecordQuery(tank.slip)).Returns({""}, {{1}});
        server.On(OpenTankQuery(tank.slip)).Returns({""}, tank.open ? std::vector<Row>{{1}} : std::vector<Row>{});
    }
    server.OnPattern(TankRecordQuery("{?}", "{?}")).Returns({""}, {});
    server.OnPattern(OpenTankQuery("{?}", "{?}")).Returns({""}, {});
}

ward::frmCharge& OpenChargeWindow(TestApp& test, const ChargeWindowSetUp& setUp) {
    DeclareSettings(test.server, setUp.hospital, setUp.wardParameters);
    DeclareTanks(test.server, setUp.tanks);
    DeclareNoCdf(test.server);
    test.server.On(PostedChargesQuery()).Returns(PostedChargesColumns(), setUp.posted);
    test.app.CurIdNum = InPatientIdNum;
    test.app.CurHospNum = InPatientHospNum;
    ward::frmCharge& charge = test.app.Forms.Get<ward::frmCharge>();
    for (const auto& [code, name] : ChargingCodes)
        charge.lvwDepartments.AddListItem(0, "", code).SetSubItems(1, name);
    charge.lblDeptCode.SetCaption(StationID);
    charge.SetCaption("POST CHARGES");
    charge.txtPatient.SetText("DELA CRUZ, JUAN");
    charge.txtId.SetText(InPatientIdNum);
    charge.txtPno.SetText(InPatientHospNum);
    charge.txtRoom.SetText(setUp.room);
    charge.Show();
    return charge;
}

} // namespace testkit::ward_fixture
