#include "TestWindows.h"

#include <gtest/gtest.h>

using namespace forms;

namespace {

// A window of the kind a component makes: it knows the forms context and nothing of the application.
class frmChooser : public Form {
public:
    explicit frmChooser(FormsContext& context) : Form(context) {}
    TextBox txtSearch{*this, "txtSearch"};
    int Loads = 0;

private:
    void Design() override { SetCaption("Choose"); }
    void Form_Load() override { ++Loads; }
};

TEST(WindowCatalog, AWindowMadeFromTheFormsContextLoadsInTheApplicationGivenAndLivesWhileLoaded) {
    std::weak_ptr<frmChooser> made;
    FormsContext* madeIn = nullptr;
    WindowCatalog<TestApp> catalog;
    catalog.Add<frmSignIn>().AddMadeFrom<frmChooser>([&](FormsContext& context) {
        madeIn = &context;
        auto form = std::make_shared<frmChooser>(context);
        made = form;
        return form;
    });
    ASSERT_EQ(catalog.Entries().size(), 2u);
    const auto& entry = catalog.Entries()[1];
    EXPECT_EQ(entry.Name, "frmChooser");

    TestApp app;
    Form& form = entry.Load(app);
    EXPECT_EQ(madeIn, &app.Forms);
    EXPECT_EQ(&form, made.lock().get());
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_EQ(form.Caption(), "Choose");
    EXPECT_EQ(static_cast<frmChooser&>(form).Loads, 1);
    EXPECT_EQ(app.Forms.LoadedForms(), std::vector<Form*>{&form});

    form.Unload();
    EXPECT_TRUE(made.expired());
}

} // namespace
