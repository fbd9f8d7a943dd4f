#include "svg/svg_document.h"

#include <cmath>

#include "drawing/text_style.h"
#include "drawing/arc_geometry.h"
#include "svg/svg_number.h"
#include "svg/xml_escape.h"

namespace svg {
namespace {

constexpr const char* kBlue = "#0000FF";
// Texts are set at a large font size and scaled down to drawing::kTextHeight: some
// renderers keep font sizes and glyph advances in coarse steps and garble a
// font only a fraction of a unit high.
constexpr double kGlyphScale = 0.001;
constexpr double kMargin = 0.1;
// The view box runs along a grid of this step, in drawing units, so that
// its numbers and the picture's size stay short.
constexpr double kViewBoxStep = 0.01;

// The picture's y points down, the drawing's up.
double Flipped(double y) { return -y; }

std::string PointText(double x, double y) { return SvgNumber(x) + " " + SvgNumber(Flipped(y)); }

void Attribute(std::string& element, const char* name, const std::string& value) {
  element += ' ';
  element += name;
  element += "=\"";
  element += value;
  element += '"';
}

void Attribute(std::string& element, const char* name, double value) {
  Attribute(element, name, SvgNumber(value));
}

// An SVG arc segment to `to`, turning the drawing's way: counter-clockwise
// on paper is the negative sense once y points down.
std::string ArcSegment(double radius, double sweep, drawing::Point to) {
  const std::string r = SvgNumber(radius);
  return " A " + r + " " + r + " 0 " + (sweep > 180 ? "1" : "0") + " 0 " + PointText(to.x, to.y);
}

// A full turn cannot be one SVG arc, whose end would equal its start, so
// it is drawn as two halves.
std::string ArcPath(double centreX, double centreY, double radius, double startAngle,
                    double endAngle, double sweep) {
  const drawing::Point from = drawing::PointOnCircle(centreX, centreY, radius, startAngle);
  std::string path = "M " + PointText(from.x, from.y);
  if (sweep == 360) {
    path += ArcSegment(radius, 180, drawing::PointOnCircle(centreX, centreY, radius, startAngle + 180));
    return path + ArcSegment(radius, 180, from);
  }
  return path + ArcSegment(radius, sweep, drawing::PointOnCircle(centreX, centreY, radius, endAngle));
}

std::string LineElement(double startX, double startY, double endX, double endY) {
  std::string element = "<line";
  Attribute(element, "x1", startX);
  Attribute(element, "y1", Flipped(startY));
  Attribute(element, "x2", endX);
  Attribute(element, "y2", Flipped(endY));
  return element + "/>\n";
}

std::string StrokeGroup(double widthMm, const drawing::PrintLength& gnomonLength,
                        const std::string& body) {
  std::string style;
  Attribute(style, "fill", "none");
  Attribute(style, "stroke", kBlue);
  Attribute(style, "stroke-width", widthMm / drawing::Millimetres(gnomonLength));
  Attribute(style, "stroke-linecap", "round");
  return "<g" + style + ">\n" + body + "</g>\n";
}

}  // namespace

void SvgDocument::AddLine(double startX, double startY, double endX, double endY) {
  strokes_ += LineElement(startX, startY, endX, endY);
  extent_.Include(startX, startY);
  extent_.Include(endX, endY);
}

void SvgDocument::AddSubHourLine(double startX, double startY, double endX, double endY) {
  subHourStrokes_ += LineElement(startX, startY, endX, endY);
  extent_.Include(startX, startY);
  extent_.Include(endX, endY);
}

void SvgDocument::AddArc(double centreX, double centreY, double radius, double startAngle,
                         double endAngle) {
  const double sweep = drawing::CounterClockwiseSweep(startAngle, endAngle);
  std::string element = "<path";
  Attribute(element, "d", ArcPath(centreX, centreY, radius, startAngle, endAngle, sweep));
  strokes_ += element + "/>\n";
  extent_.IncludeArc(centreX, centreY, radius, startAngle, sweep);
}

void SvgDocument::AddText(const std::string& text, double rotation, double x, double y) {
  std::string transform = "translate(" + PointText(x, y) + ")";
  if (rotation != 0) transform += " rotate(" + SvgNumber(-rotation) + ")";
  transform += " scale(" + SvgNumber(kGlyphScale) + ")";
  std::string element = "<text";
  Attribute(element, "transform", transform);
  texts_ += element + ">" + EscapeXml(text) + "</text>\n";
  extent_.IncludeText(text, drawing::kTextHeight, rotation, x, y);
}

std::string SvgDocument::SizeAttributes() const {
  drawing::DrawingExtent box = extent_;
  if (box.Empty()) box.Include(0, 0);
  box.Grow(kMargin);
  const double left = std::floor(box.MinX() / kViewBoxStep);
  const double top = std::floor(-box.MaxY() / kViewBoxStep);
  const double columns = std::ceil(box.MaxX() / kViewBoxStep) - left;
  const double rows = std::ceil(-box.MinY() / kViewBoxStep) - top;
  const std::string unit(drawing::UnitSymbol(gnomonLength_.unit));
  std::string attributes;
  Attribute(attributes, "width", SvgNumber(columns * kViewBoxStep * gnomonLength_.value) + unit);
  Attribute(attributes, "height", SvgNumber(rows * kViewBoxStep * gnomonLength_.value) + unit);
  Attribute(attributes, "viewBox",
            SvgNumber(left * kViewBoxStep) + " " + SvgNumber(top * kViewBoxStep) + " " +
                SvgNumber(columns * kViewBoxStep) + " " + SvgNumber(rows * kViewBoxStep));
  return attributes;
}

std::string SvgDocument::Bytes() const {
  std::string file = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  file += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"" + SizeAttributes() + ">\n";

  file += StrokeGroup(drawing::kPrintedLineWidthMm, gnomonLength_, strokes_);
  if (!subHourStrokes_.empty()) {
    file += StrokeGroup(drawing::kPrintedSubHourLineWidthMm, gnomonLength_, subHourStrokes_);
  }

  std::string textStyle;
  Attribute(textStyle, "fill", kBlue);
  Attribute(textStyle, "font-family", "sans-serif");
  Attribute(textStyle, "font-size", drawing::kTextHeight / kGlyphScale);
  Attribute(textStyle, "text-anchor", "middle");
  file += "<g" + textStyle + ">\n" + texts_ + "</g>\n";
  return file + "</svg>\n";
}

}  // namespace svg
