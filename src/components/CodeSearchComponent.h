#pragma once

#include "Component.h"

namespace components {

// One price per room-class letter.
struct RateInfo {
    vb::Variant RateA, RateB, RateC, RateD, RateE, RateF, RateG, RateH;
    // The rate of a class letter "A" to "H"; nothing for any other letter (the caller keeps its price).
    std::optional<vb::Variant> Rate(const std::string& roomClass) const;
};

struct DoctorRecordInfo {
    std::string ResultCode; // the doctor's code
    std::string Lastname;
    std::string FirstName;
    std::string MiddleName;
    bool resident = false;
};

struct DietRecordInfo {
    std::string ResultCode;
    std::string Diet;
    std::string Remarks;
};

struct StationRecordInfo {
    std::string ResultCode;
    std::string Station;
};

struct DosageRecordInfo {
    std::string ResultCode;
    vb::Variant Frequency; // a number of doses
};

struct OtherRevenueRecordInfo : RateInfo {
    std::string ResultCode;
    std::string OtherRevenue;
};

struct LabExamRecordInfo : RateInfo {
    std::string ResultCode;
    std::string LabExam;
    std::string LabSectionID;
};

struct XrayExamRecordInfo : RateInfo {
    std::string ResultCode;
    std::string XrayExam;
};

struct UltrasoundRecordInfo : RateInfo {
    std::string ResultCode;
    std::string UltraExam;
};

struct CTExamRecordInfo : RateInfo {
    std::string ResultCode;
    std::string CTExam;
};

struct HSExamRecordInfo : RateInfo {
    std::string ResultCode;
    std::string HSExam;
};

struct NuclearExamRecordInfo : RateInfo {
    std::string ResultCode;
    std::string NuclearExam;
};

struct PTExamRecordInfo : RateInfo {
    std::string ResultCode;
    std::string PTExam;
};

struct RTSExamRecordInfo : RateInfo {
    std::string ResultCode;
    std::string RTSExam;
};

// Bramwit.clsCodeSearch: code searches by list kind, each showing the component's own pick list unless the text names
// one record. List kinds: 1 doctors, 6 diets, 10 stations, 14 CT, 16 dosages, 17 heart station, 18 laboratory,
// 20 nuclear medicine, 21 other revenue of OtherSectionID, 23 rehabilitation, 25 pulmonary, 27 ultrasound, 29 x-ray.
class CodeSearchComponent : public Component {
public:
    virtual void SetMTS_Server(const std::string& value) = 0;
    virtual void SetSearchMode(bool value) = 0;
    virtual void Initialize_Classes() = 0;
    virtual void SetConnection(db::Connection& connection) = 0;
    virtual void SetCompanyName(const std::string& value) = 0;
    // The revenue section that list kind 21 is restricted to.
    virtual void SetOtherSectionID(const std::string& value) = 0;
    // True when a record of that kind was found or chosen; its record then describes it until the next search of
    // that kind. False: nothing chosen.
    virtual bool SearchListing(const std::string& text, int kind) = 0;

    virtual const DoctorRecordInfo& DoctorRecord() const = 0;
    virtual const DietRecordInfo& DietRecord() const = 0;
    virtual const StationRecordInfo& StationRecord() const = 0;
    virtual const DosageRecordInfo& DosageRecord() const = 0;
    virtual const OtherRevenueRecordInfo& OtherRevenueRecord() const = 0;
    virtual const LabExamRecordInfo& LabExamRecord() const = 0;
    virtual const XrayExamRecordInfo& XrayExamRecord() const = 0;
    virtual const UltrasoundRecordInfo& UltrasoundRecord() const = 0;
    virtual const CTExamRecordInfo& CTExamRecord() const = 0;
    virtual const HSExamRecordInfo& HSExamRecord() const = 0;
    virtual const NuclearExamRecordInfo& NuclearExamRecord() const = 0;
    virtual const PTExamRecordInfo& PTExamRecord() const = 0;
    virtual const RTSExamRecordInfo& RTSExamRecord() const = 0;
};

} // namespace components
