#pragma once

#include <cstdint>
#include <string>

namespace ward {

class App;

// The ward parameters: the active Field/value rows of STATION..tbNurseSetup as typed, read-only properties.
class clsParameters {
public:
    // Resets every property to its default and reloads the rows. A key matches only exactly, letter case included.
    // ZODEAllowZeroOnHand sets no property: "1" or "0" overrides the hospital setting AllowZeroOnHand.
    void LoadParameters(App& app);

    bool AllowInternationalRate() const { return allowInternationalRate; }
    bool ShowFluidIO() const { return showFluidIO; }
    bool AllowRevokeCM() const { return allowRevokeCM; }
    const std::string& BirCSlipFormat() const { return birCSlipFormat; }
    bool FifteenCSlipFormat() const { return fifteenCSlipFormat; }
    bool Has3rd4thDxFields() const { return has3rd4thDxFields; }
    const std::string& NewCSlipFormat() const { return newCSlipFormat; }
    bool AllowDecimalQty() const { return allowDecimalQty; }
    const std::string& DefaultDosage() const { return defaultDosage; }
    const std::string& RegulatedDrugsClassID() const { return regulatedDrugsClassID; }
    bool CheckS2LicenseForRegulatedDrugs() const { return checkS2LicenseForRegulatedDrugs; }
    std::int32_t PHCreditLimit() const { return phCreditLimit; }
    bool UsePHCreditLimit() const { return usePHCreditLimit; }
    bool CheckZPDFirstPackage() const { return checkZPDFirstPackage; }
    bool HidePHCSSTATCol() const { return hidePHCSSTATCol; }
    bool ShowZPackage() const { return showZPackage; }
    bool ShowCF4() const { return showCF4; }
    bool DcrOrderValidateCF4() const { return dcrOrderValidateCF4; }
    bool AskForHAMADetails() const { return askForHAMADetails; }
    const std::string& RequireCF4Start() const { return requireCF4Start; }
    bool AskForReasonTransfer() const { return askForReasonTransfer; }
    bool NoPNFByPass() const { return noPNFByPass; }
    bool CheckPNF() const { return checkPNF; }
    // Once loaded True it stays True for the rest of the run.
    bool AllowOpenCloseTank() const { return allowOpenCloseTank; }
    const std::string& TestServer() const { return testServer; }
    const std::string& LiveServer() const { return liveServer; }
    bool HideServerIP() const { return hideServerIP; }
    bool PipeOXNoInitialCharge() const { return pipeOXNoInitialCharge; }
    std::int32_t PortableAmount() const { return portableAmount; }
    const std::string& OXTankItemCode() const { return oxTankItemCode; }
    bool ChkUnpaidAssessDOrder() const { return chkUnpaidAssessDOrder; }
    bool EnableHMORate() const { return enableHMORate; }
    bool DisableRoomTransferNotice() const { return disableRoomTransferNotice; }
    bool HideCSPHRequestAmt() const { return hideCSPHRequestAmt; }
    bool UseICURatePostCharge() const { return useICURatePostCharge; }
    bool UseICURatesClinical() const { return useICURatesClinical; }
    bool ClinAssessRequireDx() const { return clinAssessRequireDx; }
    bool HidePackageItemPrice() const { return hidePackageItemPrice; }
    bool OnlyShowPackageCSlip() const { return onlyShowPackageCSlip; }
    bool DontMixPackages() const { return dontMixPackages; }
    bool NoDirectReturnSupplies() const { return noDirectReturnSupplies; }
    bool NoPackageRevoke() const { return noPackageRevoke; }
    bool NoPackageItemExclude() const { return noPackageItemExclude; }
    bool DisablePackageIfNotTagged() const { return disablePackageIfNotTagged; }
    bool DisableAutoUCaseHBPS() const { return disableAutoUCaseHBPS; }
    bool InventoryRoomClassRate() const { return inventoryRoomClassRate; }
    bool ShowDosagePostMedicines() const { return showDosagePostMedicines; }
    bool FreeTypingPT() const { return freeTypingPT; }
    bool NurseClinicalAssessmentGetPF() const { return nurseClinicalAssessmentGetPF; }
    bool ReqDoctorAssessment() const { return reqDoctorAssessment; }

private:
    void Reset();
    void ApplyRow(App& app, const std::string& key, const std::string& value);

    bool allowInternationalRate = false;
    bool showFluidIO = false;
    bool allowRevokeCM = false;
    std::string birCSlipFormat;
    bool fifteenCSlipFormat = false;
    bool has3rd4thDxFields = false;
    std::string newCSlipFormat;
    bool allowDecimalQty = false;
    std::string defaultDosage;
    std::string regulatedDrugsClassID;
    bool checkS2LicenseForRegulatedDrugs = false;
    std::int32_t phCreditLimit = 0;
    bool usePHCreditLimit = false;
    bool checkZPDFirstPackage = false;
    bool hidePHCSSTATCol = false;
    bool showZPackage = false;
    bool showCF4 = false;
    bool dcrOrderValidateCF4 = false;
    bool askForHAMADetails = false;
    std::string requireCF4Start;
    bool askForReasonTransfer = false;
    bool noPNFByPass = false;
    bool checkPNF = false;
    bool allowOpenCloseTank = false;
    std::string testServer;
    std::string liveServer;
    bool hideServerIP = false;
    bool pipeOXNoInitialCharge = false;
    std::int32_t portableAmount = 0; // 100 from the first load on
    std::string oxTankItemCode;
    bool chkUnpaidAssessDOrder = false;
    bool enableHMORate = false;
    bool disableRoomTransferNotice = false;
    bool hideCSPHRequestAmt = false;
    bool useICURatePostCharge = false;
    bool useICURatesClinical = false;
    bool clinAssessRequireDx = false;
    bool hidePackageItemPrice = false;
    bool onlyShowPackageCSlip = false;
    bool dontMixPackages = false;
    bool noDirectReturnSupplies = false;
    bool noPackageRevoke = false;
    bool noPackageItemExclude = false;
    bool disablePackageIfNotTagged = false;
    bool disableAutoUCaseHBPS = false;
    bool inventoryRoomClassRate = false;
    bool showDosagePostMedicines = false;
    bool freeTypingPT = false;
    bool nurseClinicalAssessmentGetPF = false;
    bool reqDoctorAssessment = false;
};

} // namespace ward
