#include "calc/SvodSum.h"

#include "model/Declaration.h"

bool kTSvodSum::Calculate(mTDeclaration& declaration)
{
    Clear();
    if (declaration.DeclForm == DeclarationForm::EstimatedIncome)
        return true;

    // Later sheets read earlier ones: the order is fixed.
    const bool sheets =
        PrilA6.Calculate(declaration, *this) && PrilA13.Calculate(declaration, *this) &&
        PrilA15.Calculate(declaration, *this) && PrilA30.Calculate(declaration, *this) &&
        PrilM.Calculate(declaration, *this) && PrilM2.Calculate(declaration, *this) &&
        PrilM3.Calculate(declaration, *this) && PrilA35.Calculate(declaration, *this) &&
        PrilV1.Calculate(declaration, *this) && PrilV2.Calculate(declaration, *this) &&
        PrilG.Calculate(declaration, *this) && PrilG_In.Calculate(declaration, *this) &&
        PrilH1.Calculate(declaration, *this) && PrilJ.Calculate(declaration, *this) &&
        PrilB13.Calculate(declaration, *this, 13) && PrilB9.Calculate(declaration, *this, 9) &&
        PrilB35.Calculate(declaration, *this, 35) && PrilE1.Calculate(declaration, *this) &&
        PrilE2.Calculate(declaration, *this) && PrilZ.Calculate(declaration, *this);
    if (!sheets)
        return false;

    for (QString* oktmo : {&Oktmo13, &Oktmo9, &Oktmo35, &Oktmo15}) {
        if (oktmo->isEmpty())
            *oktmo = declaration.Person.OKTMO;
    }

    return List1.Calculate(declaration, *this) && List2.Calculate(declaration, *this) &&
           List3.Calculate(declaration, *this) && List4.Calculate(declaration, *this) &&
           List5.Calculate(declaration, *this) && List6.Calculate(declaration, *this);
}

void kTSvodSum::Clear()
{
    List1.Clear();
    List2.Clear();
    List3.Clear();
    List4.Clear();
    List5.Clear();
    List6.Clear();
    PrilA6.Clear();
    PrilA13.Clear();
    PrilA15.Clear();
    PrilA30.Clear();
    PrilA35.Clear();
    PrilB13.Clear();
    PrilB9.Clear();
    PrilB35.Clear();
    PrilV1.Clear();
    PrilV2.Clear();
    PrilM.Clear();
    PrilM2.Clear();
    PrilM3.Clear();
    PrilG.Clear();
    PrilG_In.Clear();
    PrilE1.Clear();
    PrilE2.Clear();
    PrilE3.Clear();
    PrilH1.Clear();
    PrilZ.Clear();
    PrilJ.Clear();
    Oktmo9.clear();
    Oktmo13.clear();
    Oktmo35.clear();
    Oktmo15.clear();
}
