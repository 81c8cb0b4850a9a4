#pragma once

#include "components/CodeSearchComponent.h"
#include "components/OwnComponents.h"

#include <map>
#include <string>
#include <vector>

namespace components {

struct PickedRow;

// Bramwit.clsCodeSearch on the program's shared connection: each list kind reads its catalogue, takes the one record
// a text names, and otherwise lets the nurse choose from the pick list.
class CodeSearch : public CodeSearchComponent {
public:
    explicit CodeSearch(const ComponentServices& services);

    // The start-up's settings: the connection and the names are not used, every statement runs on the shared
    // connection, read at each use.
    void SetMTS_Server(const std::string&) override {}
    void SetSearchMode(bool) override {}
    void Initialize_Classes() override {}
    void SetConnection(db::Connection&) override {}
    void SetCompanyName(const std::string&) override {}
    void SetOtherSectionID(const std::string& value) override { otherSectionID = value; }
    bool SearchListing(const std::string& text, int kind) override;

    const DoctorRecordInfo& DoctorRecord() const override { return doctor; }
    const DietRecordInfo& DietRecord() const override { return diet; }
    const StationRecordInfo& StationRecord() const override { return station; }
    const DosageRecordInfo& DosageRecord() const override { return dosage; }
    const OtherRevenueRecordInfo& OtherRevenueRecord() const override { return otherRevenue; }
    const LabExamRecordInfo& LabExamRecord() const override { return labExam; }
    const XrayExamRecordInfo& XrayExamRecord() const override { return xrayExam; }
    const UltrasoundRecordInfo& UltrasoundRecord() const override { return ultrasound; }
    const CTExamRecordInfo& CTExamRecord() const override { return ctExam; }
    const HSExamRecordInfo& HSExamRecord() const override { return hsExam; }
    const NuclearExamRecordInfo& NuclearExamRecord() const override { return nuclearExam; }
    const PTExamRecordInfo& PTExamRecord() const override { return ptExam; }
    const RTSExamRecordInfo& RTSExamRecord() const override { return rtsExam; }

    // One catalogue row by column name.
    using Row = std::map<std::string, vb::Variant>;
    struct List;

private:
    std::vector<Row> ReadRows(const List& list, const std::string& text);
    std::optional<Row> FindRecord(const List& list, const std::string& text);
    RateInfo ReadRates(const std::string& department, const std::string& code);
    void Take(const List& list, const Row& row);

    ComponentServices services;
    std::string otherSectionID;
    DoctorRecordInfo doctor;
    DietRecordInfo diet;
    StationRecordInfo station;
    DosageRecordInfo dosage;
    OtherRevenueRecordInfo otherRevenue;
    LabExamRecordInfo labExam;
    XrayExamRecordInfo xrayExam;
    UltrasoundRecordInfo ultrasound;
    CTExamRecordInfo ctExam;
    HSExamRecordInfo hsExam;
    NuclearExamRecordInfo nuclearExam;
    PTExamRecordInfo ptExam;
    RTSExamRecordInfo rtsExam;
};

// Registers Bramwit.clsCodeSearch.
void RegisterCodeSearch(ComponentFactory& factory, const ComponentServices& services);

// A search text for LIKE that matches literally: %, _ and [ stand for themselves.
std::string LikeLiteral(const std::string& text);

} // namespace components
