#include "core/clsParameters.h"

#include "core/App.h"
#include "platform/db/Connection.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/VbError.h"

namespace ward {

namespace {

struct FlagKey {
    const char* key;
    bool clsParameters::*field;
};
struct TextKey {
    const char* key;
    std::string clsParameters::*field;
};
struct NumberKey {
    const char* key;
    std::int32_t clsParameters::*field;
};

std::string TextOrEmpty(const vb::Variant& value) { return value.IsNull() ? std::string() : vb::CStr(value); }

} // namespace

void clsParameters::ApplyRow(App& app, const std::string& key, const std::string& value) {
    static const FlagKey flagKeys[] = {
        {"ZODEAllowInternationalRate", &clsParameters::allowInternationalRate},
        {"ZODEShowFluidIO", &clsParameters::showFluidIO},
        {"ZODEAllowRevokeCM", &clsParameters::allowRevokeCM},
        {"FifteenCSlipFormat", &clsParameters::fifteenCSlipFormat},
        {"ZodeHas3rd4thDxFields", &clsParameters::has3rd4thDxFields},
        {"NurseAllowDecimalQty", &clsParameters::allowDecimalQty},
        {"CheckS2LicenseForRegulatedDrugs", &clsParameters::checkS2LicenseForRegulatedDrugs},
        {"ZODEUsePHCreditLimit", &clsParameters::usePHCreditLimit},
        {"ZODECheckZPDFirstPackage", &clsParameters::checkZPDFirstPackage},
        {"ZODEHidePHCSSTATCol", &clsParameters::hidePHCSSTATCol},
        {"ZODEShowZPackage", &clsParameters::showZPackage},
        {"ZODEShowCF4", &clsParameters::showCF4},
        {"DcrOrderValidateCF4", &clsParameters::dcrOrderValidateCF4},
        {"AskForHAMADetails", &clsParameters::askForHAMADetails},
        {"AskForReasonTransfer", &clsParameters::askForReasonTransfer},
        {"NoPNFByPass", &clsParameters::noPNFByPass},
        {"CheckPNF", &clsParameters::checkPNF},
        {"ZODEAllowOpenCloseTank", &clsParameters::allowOpenCloseTank},
        {"HideServerIP", &clsParameters::hideServerIP},
        {"PipeOXNoInitialCharge", &clsParameters::pipeOXNoInitialCharge},
        {"ChkUnpaidAssessDOrder", &clsParameters::chkUnpaidAssessDOrder},
        {"EnableSICUHMORate", &clsParameters::enableHMORate},
        {"DisableRoomTransferNotice", &clsParameters::disableRoomTransferNotice},
        {"NurseHideCSPHRequestAmt", &clsParameters::hideCSPHRequestAmt},
        {"ZODEUseICURatePostCharge", &clsParameters::useICURatePostCharge},
        {"UseICURatesClinical", &clsParameters::useICURatesClinical},
        {"ClinAssessRequireDx", &clsParameters::clinAssessRequireDx},
        {"HidePackageItemPrice", &clsParameters::hidePackageItemPrice},
        {"OnlyShowPackageCSlip", &clsParameters::onlyShowPackageCSlip},
        {"DontMixPackages", &clsParameters::dontMixPackages},
        {"NoDirectReturnSupplies", &clsParameters::noDirectReturnSupplies},
        {"NoPackageRevoke", &clsParameters::noPackageRevoke},
        {"NoPackageItemExclude", &clsParameters::noPackageItemExclude},
        {"DisablePackageIfNotTagged", &clsParameters::disablePackageIfNotTagged},
        {"DisableAutoUCaseHBPS", &clsParameters::disableAutoUCaseHBPS},
        {"InventoryRoomClassRate", &clsParameters::inventoryRoomClassRate},
        {"ZODEShowDosagePostMedicines", &clsParameters::showDosagePostMedicines},
        {"FreeTypingPT", &clsParameters::freeTypingPT},
        {"NurseClinicalAssessmentGetPF", &clsParameters::nurseClinicalAssessmentGetPF},
        {"ReqDoctorAssessment", &clsParameters::reqDoctorAssessment},
    };
    static const TextKey textKeys[] = {
        {"BirCSlipFormat", &clsParameters::birCSlipFormat},
        {"CSlipFormat", &clsParameters::newCSlipFormat},
        {"DefaultDosage", &clsParameters::defaultDosage},
        {"RegulatedDrugsClassID", &clsParameters::regulatedDrugsClassID},
        {"CF4RequireStart", &clsParameters::requireCF4Start},
        {"TestServerIP", &clsParameters::testServer},
        {"LiveServerIP", &clsParameters::liveServer},
        {"SICUOXTankItemCode", &clsParameters::oxTankItemCode},
    };
    static const NumberKey numberKeys[] = {
        {"PHCreditLimit", &clsParameters::phCreditLimit},
        {"RadioPortableAmount", &clsParameters::portableAmount},
    };

    for (const FlagKey& flag : flagKeys) {
        if (key == flag.key) {
            if (value == "1")
                this->*flag.field = true;
            return;
        }
    }
    for (const TextKey& text : textKeys) {
        if (key == text.key) {
            if (!value.empty())
                this->*text.field = value;
            return;
        }
    }
    for (const NumberKey& number : numberKeys) {
        if (key == number.key) {
            // A value that is no number, or too large for a long, is skipped; the rows after it still apply.
            if (!value.empty()) {
                try {
                    this->*number.field = vb::CLng(value);
                } catch (const vb::VbError&) {
                }
            }
            return;
        }
    }
    if (key == "ZODEAllowZeroOnHand") {
        if (value == "1")
            app.AllowZeroOnHand = true;
        else if (value == "0")
            app.AllowZeroOnHand = false;
    }
}

void clsParameters::Reset() {
    bool keepOpenCloseTank = allowOpenCloseTank;
    *this = clsParameters();
    allowOpenCloseTank = keepOpenCloseTank;
    portableAmount = 100;
}

void clsParameters::LoadParameters(App& app) {
    Reset();
    db::Recordset rs = app.Connection().Open("select * from STATION..tbNurseSetup where status = '1'",
                                             db::CursorType::Dynamic, db::LockType::Optimistic);
    while (!rs.Eof()) {
        ApplyRow(app, TextOrEmpty(rs.Fields("Field")), TextOrEmpty(rs.Fields("value")));
        rs.MoveNext();
    }
    rs.Close();
}

} // namespace ward
