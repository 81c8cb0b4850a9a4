#pragma once

#include <string>
#include <vector>

// The columns the patient search reads, as a server answering it names them.
namespace patientcolumns {

inline const std::vector<std::string> AdmissionColumns = {"IDNum",
                                                          "HospNum",
                                                          "AccountNum",
                                                          "Company",
                                                          "AdmDate",
                                                          "DcrDate",
                                                          "BillingDate",
                                                          "Age",
                                                          "HowAdmitted",
                                                          "RoomID",
                                                          "AttendingDr1",
                                                          "AttendingDr2",
                                                          "AdmittingDr",
                                                          "ReferringDr",
                                                          "OkeyLab",
                                                          "OkeyXray",
                                                          "OkeyUltra",
                                                          "OkeyPH",
                                                          "OkeyCS",
                                                          "OkeyCT",
                                                          "OkeyPT",
                                                          "OkeyHS",
                                                          "OkeyRTS",
                                                          "OkeyNU",
                                                          "OkeyAU",
                                                          "ADMDiagnosis",
                                                          "ChiefComplaint",
                                                          "FinalDiagnosis",
                                                          "AdmittingImpression",
                                                          "Height",
                                                          "Weight",
                                                          "Procedures"};

inline const std::vector<std::string> PatientColumns = {
    "HospNum",     "LastName",    "FirstName",  "MiddleName", "Sex",       "BirthDate",
    "BloodType",   "CivilStatus", "Address",    "AccountNum", "Company",   "BirthPlace",
    "Nationality", "Religion",    "SpouseName", "FatherName", "MotherName"};

} // namespace patientcolumns
