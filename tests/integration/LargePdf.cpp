#include "LargePdf.h"

#include "tests/support/PdfObjects.h"

std::string LargePdf(size_t padding)
{
    return testing_support::PdfFromObjects({
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R >>",
        "<< /Length 0 >>\nstream\n\nendstream",
        "<< /Length " + std::to_string(padding) + " >>\nstream\n" + std::string(padding, 'x') + "\nendstream",
    });
}
