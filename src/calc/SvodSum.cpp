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
    *this = kTSvodSum();
}
