#pragma once
// Documents in place of the framework's document class. A document belongs
// to the template that created it and is shown in one or more child frames,
// each holding one view. Its path name and its title are kept apart: setting
// the path makes the title the path's file name, until a view sets its own.
//
// Closing: the last frame of a document asks CanCloseFrame; a yes closes the
// document with OnCloseDocument, whose framework step (CDocument's own)
// closes every frame of the document and takes it out of its template. The
// object itself is deleted once control is back in the event loop, so a
// derived OnCloseDocument may still use its members after the step.

#include <QObject>
#include <QString>
#include <vector>

namespace zv::docview {

class CChildFrame;
class CDocTemplate;
class CView;

class CDocument : public QObject {
 public:
  CDocument();
  ~CDocument() override;

  const QString& GetPathName() const { return pathName_; }
  // Sets the path (and the title to its file name); `addToRecent` also puts
  // it first in the recent-file list.
  void SetPathName(const QString& path, bool addToRecent = true);
  const QString& GetTitle() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }

  virtual bool IsModified() const { return modified_; }
  virtual void SetModifiedFlag(bool modified = true) { modified_ = modified; }

  // The framework's steps: both succeed (documents keep their data in the
  // files their views write, not in a stream of their own).
  virtual bool OnNewDocument();
  virtual bool OnOpenDocument(const QString& path);
  // Asked when the document's last frame is about to close.
  virtual bool CanCloseFrame(CChildFrame* frame);
  virtual void OnCloseDocument();

  CDocTemplate* GetDocTemplate() const { return template_; }
  const std::vector<CChildFrame*>& Frames() const { return frames_; }
  CView* GetFirstView() const;
  // Activates the frame of the first view (nothing when there is none).
  void ActivateFirstFrame() const;
  // True from the start of OnCloseDocument on.
  bool IsClosing() const { return closing_; }

 private:
  friend class CDocTemplate;
  friend class CChildFrame;

  QString pathName_;
  QString title_;
  bool modified_ = false;
  bool closing_ = false;
  CDocTemplate* template_ = nullptr;
  std::vector<CChildFrame*> frames_;
};

}  // namespace zv::docview
