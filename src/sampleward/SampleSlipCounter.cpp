#include "sampleward/SampleWard.h"

namespace sampleward {

namespace {

std::string SlipUsedQuery(const std::string& slip) {
    const std::string q = "'" + slip + "'";
    return "Select Refnum From BILLING..tbBillDailyBill Where Refnum = " + q +
           " Union All  Select Refnum From BILLING..tbBillOPDailyOut Where Refnum = " + q +
           " Union All  Select Refnum From BILLING..tbBillOPDailyOut Where ChargeSlip = " + q +
           " Union All  Select Refnum From INVENTORY..tbInvStockcard Where Refnum = " + q;
}

} // namespace

// Setting the counter back to 4518 walks past the three used slips to 4521 again.
void DeclareSlipCounter(SampleServer& server) {
    server.On("Select ChargeSlip from STATION..tbSCNChargeSlip ").Returns({"ChargeSlip"}, {{std::int32_t{4521}}});
    server.On("Select * from STATION..tbSCNChargeSlip ")
        .Returns({"ChargeSlip", "IChargeSlip", "OChargeSlip", "AssessNum"},
                 {{std::int32_t{4521}, std::int32_t{1187}, std::int32_t{2304}, std::int32_t{312}}});
    for (const char* slip : {"C0004518B", "C0004519B", "C0004520B"})
        server.On(SlipUsedQuery(slip)).Returns({"Refnum"}, {{slip}});
}

} // namespace sampleward
