#pragma once

class HtmlView;

// The settings each window creates its view with.
void configureMainView(HtmlView& view);
// The analysis view takes its font from the main view each time it is created.
void configureAnalysisView(HtmlView& view, const HtmlView& mainView);
void configureTipsView(HtmlView& view);
