#pragma once

#include "platform/vb/Variant.h"

#include <cstdint>
#include <string>

namespace ward {

// The hospital's settings and the nursing settings, as LoadHospitalSettings last read them.
struct HospitalSettings {
    std::string HospitalName;
    std::string HospitalAddress;
    bool ByGeneric = false;
    std::string MTSServerName;
    bool IsNursePrint = false;
    std::string HospitalPhone;
    std::string ClientName;
    bool IsLBDirectCharging = false;
    bool IsXRDirectCharging = false;
    bool IsUSDirectCharging = false;
    bool IsCTDirectCharging = false;
    bool IsHSDirectCharging = false;
    bool IsShowAmount = false;
    bool IsPrintChargeSlip = false;
    bool IsCutoffClearance = false;
    vb::Date CutoffClearanceTime;
    bool IsValidateRoomTransfer = false;
    bool IsAllowRoomTransferWithPendingRequest = false;
    bool IsAllowClinicalAssessmentWithoutValidation = false;
    bool IsAllowEntryOfReasonForCancellation = false;
    bool IsAllowByPassClinicalDepartmentCashBasis = false;
    std::int16_t PSIOxygenComputationType = 0;
    bool IsStat = false;
    bool IsAllowPostReturnZODE = false;
    bool IsAllowSupervisorCodeForCancellationOfCharges = false;
    bool AutoBillingDate = false;
    bool IsAllowNurseToDischarge = false;
    bool AllowZeroOnHand = false; // the ward parameters may override it
    bool PHQtyBaseFrequency = false;
    bool IsCompanyPrice = false;
    bool HighAlert = false;

    bool PHICOneDay = false;
    bool NurseResultDispositionOnly = false;
    bool NoRequestingAfterFinalNotice = false;
    bool ValidateUnusedMedClearance = false;
    bool PrintPHCSRequest = false;
    bool AppendDrugDescCharge = false;
};

// The state every window shares for one run. Each variable keeps its name; every one starts empty, False or zero.
struct ModuleState {
    bool ObjectsCreated = false; // the log-in succeeded: the shutdown terminates the nurse-activity components
    bool AgentLoaded = false;

    // Station and time.
    std::string StationID;
    std::string StationName;
    vb::Date ServerDate;

    // Current patient.
    std::string CurHospNum;
    std::string CurIdNum; // ends in "B" for an out-patient or emergency visit
    std::string PatientTypeIO;
    std::string CurPatientName;
    std::string CurAccountNum;
    std::string CurGuarantor;
    std::string CurRoomClassID;
    std::string CurRoomID;
    std::string CurRoomRate;
    std::string CurAdmissionDate;
    std::string CurDischargeDate;
    std::string CurPatientAddress;
    std::int16_t SearchRow = 0;
    std::int16_t SearchRow2 = 0;
    std::string HeaderAddress;
    std::string AttendingDoctor1Code;
    std::string PhicMembership;
    std::string AdmType;
    std::string PhicTypeText;
    std::string ReceivableHospNum;
    std::string ReceivableIdNum;
    std::string ReceivableMembership;
    std::string ReceivableGuarantor;
    std::string ReceivableAdmType;
    std::string CurStationName;

    // Chart tabs still to be loaded for the patient now open.
    bool ReloadXrayResults = false;
    bool ReloadVitalSigns = false;
    bool ReloadClinicalSummary = false;
    bool ReloadORSchedule = false;
    bool ReloadUltrasoundResults = false;
    bool ReloadCTResults = false;
    bool ReloadLabResults = false;
    bool ReloadHeartResults = false;
    bool ReloadPTResults = false;
    bool ReloadNuclearResults = false;
    bool ReloadPulmoResults = false;
    bool ReloadNeuroExams = false;

    // Dialog results: written by a modal dialog, read by its caller right after it closes.
    std::string ReportDateFrom;
    std::string ReportDateTo;
    bool MessageAnswer = false;
    std::string ValidatedUserID;
    std::string ValidatedUserName;
    std::string SupervisorID;
    std::string ApprovalRemark;
    std::string RequestingDoctorCode;
    std::string RequestingDoctorName;
    std::string PickedEmployeeCode;
    std::string PickedEmployeeName;
    std::int16_t PSIReading = 0;
    std::string ExamInquiryType;

    // Request scratch.
    std::string ExamAmount;
    std::string ExamStatYN;
    std::string ExamRemarks;
    bool AMPickUp = false;
    bool UsePortableMachine = false;
    std::string SpecimenCode;
    bool HasSeveralSpecimens = false;
    std::string TransplantID;
    std::string DialysisID;
    std::string TransplantText;
    std::string DialysisText;
    std::string MsgExamRequestedPrefix;
    std::string MsgExamPendingSuffix;
    std::string LabReferenceNum;
    std::string LabRequestNum;
    bool CashBasisStatBypass = false;
    std::string LastPDTransaction;

    // Charge, assessment and discharge scratch.
    bool ChargeSlipAllocated = false;
    std::string ChargeLocationID;
    std::string StatHolidayYN;
    bool UnitPriceInEntry = false;
    std::string AssessmentRemarks;
    std::string AssessmentSpecimenID;
    bool RoomTransferPending = false;
    double NewRoomRate = 0;

    // Report viewer.
    bool AllowReportPrint = false;
};

} // namespace ward
